#!/usr/bin/env bash
# Pastes on each Wayland compositor: how many were tried and loaded, how many games went deaf, and
# whether the game's window kept the keyboard while its clipboard was read.
#
#   scripts/measure-wayland-paste.sh TESTS_GAME_WINDOW TESTS_PLATFORM [GAMES] [COMPOSITORS...]
#   e.g. scripts/measure-wayland-paste.sh build/tests/tests_game_window build/tests/tests_platform 4
#
# For each compositor (weston sway kwin mutter by default, each nested in a private Xvfb through
# tests/support/with_wayland.sh), GAMES fresh games of ForeignPasteTest's five real Ctrl+V pastes
# (a large PNG, XPM twice, a copied file, a file name), each of another program's picture. A paste
# is loaded when the game shows the picture; a game is deaf when its Ctrl+V reached it no more.
# Then GAMES runs of ForeignClipboardTest's four readings of the clipboard while another window
# holds the keyboard: "leaves" counts the times that window lost it (looked at only where the
# compositor offers data control; elsewhere the reader needs the keyboard and shows 0). Skipped compositors are not installed. Nothing is written
# outside temporary folders.
set -euo pipefail
if [[ $# -lt 2 || ! -x $1 || ! -x $2 ]]; then
    echo "usage: $0 TESTS_GAME_WINDOW TESTS_PLATFORM [GAMES] [COMPOSITORS...]" >&2
    exit 2
fi
window="$(realpath "$1")" platform="$(realpath "$2")" games="${3:-4}"
shift 2
[ $# -gt 0 ] && shift
compositors=("$@")
[ ${#compositors[@]} -gt 0 ] || compositors=(weston sway kwin mutter)
wrapper="$(dirname "$(realpath "$0")")/../tests/support/with_wayland.sh"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
printf '%-8s %6s %6s %5s %13s %7s\n' compositor tried loaded deaf "focus moves" leaves
for c in "${compositors[@]}"; do
    status=0
    bash "$wrapper" "$c" "$window" --gtest_filter='ForeignPasteTest.PictureData*' \
        --gtest_repeat="$games" >"$log" 2>&1 || status=$?
    if [ "$status" -eq 77 ]; then
        printf '%-8s not installed\n' "$c"
        continue
    fi
    pastes=$(grep -c '^paste, ' "$log" || true)
    unloaded=$(grep -c 'showsCellPicture' "$log" || true)
    deaf=$(grep -c -e 'kept the keyboard from the game' -e 'Value of: p.keyArrived' "$log" || true)
    moves=$({ grep -o 'keyboard moved [0-9]* times' "$log" || true; } | awk '{n += $3} END {print n + 0}')
    bash "$wrapper" "$c" "$platform" \
        --gtest_filter='ForeignClipboardTest.DataArrivesWhole*' --gtest_repeat="$games" \
        >"$log" 2>&1 || true
    leaves=$({ grep -o 'lost it [0-9]* times' "$log" || true; } | awk '{n += $3} END {print n + 0}')
    printf '%-8s %6d %6d %5d %13d %7d\n' "$c" "$((pastes + deaf))" "$((pastes - unloaded))" \
        "$deaf" "$moves" "$leaves"
done
