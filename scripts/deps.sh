#!/usr/bin/env bash
# Installs what building, running and testing the game needs, and nothing already present.
# `deps.sh windows` adds what the Windows build (scripts/windows.sh) needs: the MinGW-w64 cross
# compilers, Wine to run the tests and NSIS to make the installer.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libqt6sql6-sqlite libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-image-formats-plugins libxcb1-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    fonts-liberation fonts-dejavu-core
    desktop-file-utils appstream
    dpkg-dev file lintian
    xvfb xauth
)
if [ "${1:-}" = windows ]; then
    packages+=(
        g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
        wine wine64 nsis xz-utils
    )
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
