#!/usr/bin/env bash
# Builds the Debian package quillora_<version>_amd64.deb in the repository's top folder, from
# a build folder made anew, with the hardening flags Debian's own packages get.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh

dossier=build-paquet
rm -rf "$dossier"
# All of Debian's hardening, immediate binding of the libraries included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
# CMake reads no CPPFLAGS: the fortified functions come through the compiler's flags.
export CXXFLAGS="$CXXFLAGS $CPPFLAGS"
lanceur=()
if command -v ccache >/dev/null 2>&1; then
    lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$dossier" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
      -DQUILLORA_TESTS=OFF -DQUILLORA_BENCH=OFF "${lanceur[@]}"
cmake --build "$dossier"
(cd "$dossier" && cpack -G DEB)
paquet=$(ls "$dossier"/quillora_*_amd64.deb)
cp "$paquet" .
echo "Paquet : $(basename "$paquet") (installation : sudo apt install ./$(basename "$paquet"))"
# Debian's checker: an error fails the build of the package; warnings are printed.
if command -v lintian >/dev/null 2>&1; then
    lintian --fail-on error "$(basename "$paquet")"
fi
