#!/usr/bin/env bash
# Installs the dependencies, builds Quillora and starts it on the bundled sample class.
# Without a display, writes the sample's sheet to a PDF file instead.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target quillora
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec ./build/app/quillora "$PWD/exemples/3A.cl3"
fi
echo "Aucun écran disponible (ni DISPLAY ni WAYLAND_DISPLAY) : Quillora ne peut pas ouvrir sa fenêtre."
./build/app/quillora --pdf exemples/3A.cl3 build/3A.pdf
echo "La feuille de notes de exemples/3A.cl3 est écrite dans build/3A.pdf."
