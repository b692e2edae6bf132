#!/usr/bin/env bash
# Installs the dependencies, builds Quillora and runs it on the bundled sample class.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLORA_TESTS=OFF -DQUILLORA_BENCH=OFF
cmake --build build --target quillora
exec ./build/app/quillora --exporter exemples/3A.cl3 --vue 4,4
