#!/usr/bin/env bash
# Installs what building, running and testing the game needs, and nothing already present.
# `deps.sh windows` adds what the Windows build (scripts/windows.sh) needs: the MinGW-w64 cross
# compilers, Wine to run the tests, NSIS to make the installer, and what making Qt for Windows from
# Debian's sources needs.
# It also generates the locales of every language the game speaks, and English ones, since the tests
# check numbers and texts under them as players' desktops have them.
set -euo pipefail

# One locale per shipped language (translations/CMakeLists.txt), then English ones. A new language
# adds its locale here.
locales=(de_DE es_ES fr_FR it_IT nl_NL pl_PL pt_BR ru_RU
    ar_EG bg_BG ca_ES cs_CZ da_DK fa_IR fi_FI gd_GB he_IL hr_HR hu_HU ja_JP ko_KR lv_LV nn_NO sk_SK
    tr_TR uk_UA zh_CN zh_TW
    en_US en_GB)

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libqt6sql6-sqlite libgl-dev libcanberra-dev libcanberra-pulse
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-image-formats-plugins libxcb1-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    fonts-liberation fonts-dejavu-core fonts-wqy-microhei
    desktop-file-utils appstream
    dpkg-dev file lintian
    xvfb xauth dbus-daemon dbus-bin dbus-x11
    libwayland-dev wayland-protocols qt6-wayland weston sway kwin-wayland mutter wl-clipboard xdotool
    orca speech-dispatcher at-spi2-core dbus openbox
    locales
)
if [ "${1:-}" = windows ]; then
    packages+=(
        g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
        wine wine64 nsis xz-utils
        tcl  # for the Qt for Windows made from sources (scripts/windows-sdk.sh)
    )
fi

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# `locale -a` writes "de_DE.utf8"; only what is missing is enabled in /etc/locale.gen (uncommented
# where the file lists it, appended where it does not) and generated.
generated=$(locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]')
wanted=()
for l in "${locales[@]}"; do
    grep -qxF "$(echo "$l.utf8" | tr '[:upper:]' '[:lower:]')" <<<"$generated" || wanted+=("$l")
done
if [ ${#wanted[@]} -gt 0 ]; then
    for l in "${wanted[@]}"; do
        line="$l.UTF-8 UTF-8"
        if [ -f /etc/locale.gen ] && grep -qE "^# *${line//./\\.}\$" /etc/locale.gen; then
            $sudo sed -i -E "s/^# *(${line//./\\.})\$/\\1/" /etc/locale.gen
        elif ! { [ -f /etc/locale.gen ] && grep -qxF "$line" /etc/locale.gen; }; then
            echo "$line" | $sudo tee -a /etc/locale.gen >/dev/null
        fi
    done
    $sudo locale-gen
fi
