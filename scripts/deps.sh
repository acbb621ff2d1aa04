#!/usr/bin/env bash
# Installs what building, running and testing the game needs, and nothing already present.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libqt6sql6-sqlite libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-image-formats-plugins libjpeg-dev libtiff-dev libxcb1-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    fonts-liberation fonts-dejavu-core
    desktop-file-utils appstream
    dpkg-dev file lintian
    xvfb xauth
)

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
