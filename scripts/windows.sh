#!/usr/bin/env bash
# The Windows build, from Linux: installs what is missing (Debian 12, as root or with sudo), builds
# tavlora.exe and its tests with MinGW-w64, runs every test under Wine, makes the installer and the
# ZIP, and checks the installer under Wine (silent install, a score stored, installed again,
# uninstalled).
#
#   bash scripts/windows.sh              everything, into ${TAVLORA_WINDOWS_BUILD_DIR:-build-windows}
#   bash scripts/windows.sh build        only the build
#   bash scripts/windows.sh test         the build and the tests
#
# The Qt for Windows comes from ../shared/windows/qt6.4.2-mingw-sdk.tar.xz beside the repository
# (or TAVLORA_WINDOWS_SDK_ARCHIVE) when it is there and draws text with DirectWrite; otherwise
# scripts/windows-sdk.sh makes it from Debian's source packages (about half an hour on two cores),
# once, into a folder outside the repository that later runs reuse:
# ${TAVLORA_WINDOWS_SDK_CACHE:-~/.cache/tavlora}/windows-sdk-<digest of windows-sdk.sh>.
#   bash scripts/windows.sh sdk      only that: the Qt for Windows ready, nothing built
# Extra arguments after the step pass on to the Windows configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
step="${1:-all}"
[ $# -gt 0 ] && shift
build="${TAVLORA_WINDOWS_BUILD_DIR:-build-windows}"
mkdir -p "$build"
build=$(cd "$build" && pwd)

bash scripts/deps.sh windows

# The SDK: unpacked once per archive, into the build folder and never into the repository.
sdk="$build/sdk"
archive="${TAVLORA_WINDOWS_SDK_ARCHIVE:-$root/../shared/windows/qt6.4.2-mingw-sdk.tar.xz}"
if [ -f "$archive" ]; then
    stamp="$(stat -c '%s %Y' "$archive")"
    if [ "$(cat "$sdk/.unpacked-from" 2>/dev/null)" != "$stamp" ]; then
        rm -rf "$sdk" && mkdir -p "$sdk"
        tar -xJf "$archive" -C "$sdk"
        echo "$stamp" >"$sdk/.unpacked-from"
    fi
fi
# A Qt built without Direct2D has no DirectWrite font engine, and GDI draws its text at 125 % and
# 150 % too: such an archive (or none) is replaced by the one windows-sdk.sh makes.
if ! grep -qs '^#define QT_FEATURE_direct2d 1' \
    "$sdk"/qt6-mingw/include/QtGui/*/QtGui/private/qtgui-config_p.h; then
    cache="${TAVLORA_WINDOWS_SDK_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tavlora}"
    sdk="$cache/windows-sdk-$(sha256sum scripts/windows-sdk.sh | cut -c1-16)"
    if [ ! -f "$sdk/.made-here" ]; then
        echo "No SDK archive with DirectWrite at $archive: making the Qt for Windows in $sdk" >&2
        bash scripts/windows-sdk.sh "$sdk"
    fi
fi
[ "$step" = sdk ] && exit 0

# The build-time tools (hand cursor, empty score file, stock pictures, icons, sounds) make the
# same data for every target, so they are built for this machine and never run under Wine.
# RelWithDebInfo, as the Linux build: at -O3 g++ 12 gives a false -Wrestrict warning inside std::string.
cmake -S . -B "$build/host" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVLORA_TESTS=OFF >/dev/null
cmake --build "$build/host" --target make_hand_cursor make_hiscore make_stock_pictures make_icons \
    translate_desktop make_sounds

# Wine keeps its state in a prefix of its own for each run, so no run sees another's registry.
wine_prefix=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$wine_prefix"' EXIT
export WINEPREFIX="$wine_prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i >/dev/null 2>&1
wineserver -w  # the prefix is ready only once its first server has ended
# One server for the whole run: a test program starting while the previous one's server shuts
# down could hang.
wineserver -p
# Wine's own services start with the first program and live on; started here, with no pipe of
# ours, so that a test listing started by ctest does not leave them holding ctest's pipe open.
wine cmd /c exit >/dev/null 2>&1 </dev/null

cross="$build/cross"
# A build made against another SDK keeps that SDK's Qt in its cache: it starts anew.
if [ "$(cat "$cross/.sdk" 2>/dev/null)" != "$sdk" ]; then
    rm -rf "$cross" && mkdir -p "$cross" && echo "$sdk" >"$cross/.sdk"
fi
cmake -S . -B "$cross" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/MinGW-w64.cmake" -DTAVLORA_WINDOWS_SDK="$sdk" \
    -DTAVLORA_HOST_TOOLS="$build/host" -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v wine)" \
    "$@" >/dev/null
cmake --build "$cross"
[ "$step" = build ] && exit 0

# On a busy machine Wine now and then fails to start a program or to end one; such a test runs once
# more, and a test that fails twice fails the run.
ctest --test-dir "$cross" --output-on-failure -j2 --repeat until-pass:2
[ "$step" = test ] && exit 0

(cd "$cross" && cpack -G "NSIS;ZIP")
bash scripts/windows-install-check.sh "$cross"
ls -l "$cross"/Tavlora-*-win64.exe "$cross"/Tavlora-*-win64.zip
