#!/usr/bin/env bash
# Installs the Windows build into a temporary prefix (with a blank in its path) and checks the
# game's folder a player gets: the program with its libraries and plugins, the files it finds
# beside itself, and that installing again keeps the player's files. `cmake --install` runs no
# program of the target, so this needs no Wine.
# Usage: check_windows_install.sh <cmake> <build folder>
set -euo pipefail
cmake=$1 build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
game="$work/pre fix"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
install_game() {
    "$cmake" --install "$build" --prefix "$game" >"$work/install.log" || {
        cat "$work/install.log"
        fail "cmake --install failed"
    }
}

install_game
for file in tavlora.exe tavlora-decode.exe tavlora-sound.exe sounds/formed.wav sounds/slide-4-4.wav HAND-M.CUR Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6Sql.dll \
    libjpeg-62.dll libtiff.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll \
    platforms/qwindows.dll sqldrivers/qsqlite.dll styles/qwindowsvistastyle.dll \
    imageformats/qjpeg.dll imageformats/qgif.dll imageformats/qtiff.dll imageformats/qwebp.dll; do
    [ -s "$game/$file" ] || fail "no $file in the game's folder"
done
head -c 16 "$game/hiscore.mdb" | grep -q "SQLite format 3" || fail "no high-score file beside the game"
[ "$(find "$game/pictures" -name '*.jpg' | wc -l)" -ge 3 ] || fail "no stock pictures"
# Only what a player's game loads: no test platforms, no build tools, nothing for Linux desktops.
for absent in platforms/qoffscreen.dll platforms/qminimal.dll make_hiscore.exe bin share lib; do
    [ ! -e "$game/$absent" ] || fail "the game's folder holds $absent"
done
# The subsystem field of the PE header: 2 is a Windows program with no console window.
pe=$(od -An -tu4 -j60 -N4 "$game/tavlora.exe" | tr -d ' ')
[ "$(od -An -tu2 -j$((pe + 92)) -N2 "$game/tavlora.exe" | tr -d ' ')" = 2 ] ||
    fail "tavlora.exe is not a Windows GUI program"

printf 'the player scores' >"$game/hiscore.mdb"
printf 'the player cursor' >"$game/HAND-M.CUR"
install_game
[ "$(cat "$game/hiscore.mdb")" = "the player scores" ] || fail "installing again replaced hiscore.mdb"
[ "$(cat "$game/HAND-M.CUR")" = "the player cursor" ] || fail "installing again replaced HAND-M.CUR"
echo "Windows game folder and reinstall checked in $game"
