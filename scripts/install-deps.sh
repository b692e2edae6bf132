#!/usr/bin/env bash
# Installs every Debian package Quillora needs to build, test and run.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    clang libclang-rt-14-dev clang-format
    qt6-base-dev qt6-base-private-dev qt6-translations-l10n qt6-qpa-plugins
    libzip-dev libxlsxwriter-dev libuchardet-dev libcsv-dev zlib1g-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2 fonts-dejavu-core
    xvfb xauth x11-apps xdotool imagemagick libmagickcore-6.q16-6-extra
    xdg-utils shared-mime-info desktop-file-utils
    hyperfine poppler-utils
    at-spi2-core python3-pyatspi dbus
    libicu-dev
    dpkg-dev file gzip appstream lintian man-db
)

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "install-deps.sh : lancez ce script en root ou installez sudo." >&2
    exit 1
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

# The tests recompute the exported workbooks with Gnumeric's ssconvert; its recommended
# packages would bring a whole desktop.
dpkg-query -W -f='${Status}' gnumeric 2>/dev/null | grep -q "install ok installed" ||
    gnumeric_manquant=1

if [ ${#missing[@]} -eq 0 ] && [ -z "${gnumeric_manquant:-}" ]; then
    exit 0
fi

"${as_root[@]}" apt-get update -qq
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installation de : ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "${missing[@]}"
fi
if [ -n "${gnumeric_manquant:-}" ]; then
    echo "Installation de : gnumeric"
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends gnumeric
fi
