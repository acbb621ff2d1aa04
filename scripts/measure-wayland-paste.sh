#!/usr/bin/env bash
# Pastes on each Wayland compositor: how many were tried and loaded, how many games went deaf or
# crashed, and whether the game's window kept the keyboard while its clipboard was read.
#
#   scripts/measure-wayland-paste.sh TESTS_GAME_WINDOW TESTS_PLATFORM [GAMES] [COMPOSITORS...]
#   e.g. scripts/measure-wayland-paste.sh build/tests/tests_game_window build/tests/tests_platform 4
#
# For each compositor (weston sway kwin mutter by default, each nested in a private Xvfb through
# tests/support/with_wayland.sh), GAMES fresh games, each a program of its own, of the game that
# ctest's wayland.stress.* repeats: four pastes of another program's PNG typed as a person types
# them (Ctrl down, V held 120 ms), then Shift+F10, which must open the game's menu. A paste is
# loaded when the game shows the picture; a game is deaf when a Ctrl+V or the menu key reached it
# no more; a crash is a game that ended on a signal (its paste counts as tried). Then GAMES runs of
# ForeignClipboardTest's four readings of the clipboard while another window holds the keyboard:
# "leaves" counts the times that window lost it (looked at only where the compositor offers data
# control; elsewhere the reader needs the keyboard and shows 0). Skipped compositors are not
# installed. TESTS_PLATFORM may be "-" to leave that out. Nothing is written outside temporary
# folders; with MEASURE_LOG=DIR each compositor's output is kept there.
set -euo pipefail
if [[ $# -lt 2 || ! -x $1 || ($2 != - && ! -x $2) ]]; then
    echo "usage: $0 TESTS_GAME_WINDOW TESTS_PLATFORM|- [GAMES] [COMPOSITORS...]" >&2
    exit 2
fi
window="$(realpath "$1")" platform="$2" games="${3:-4}"
[ "$platform" = - ] || platform="$(realpath "$platform")"
shift 2
[ $# -gt 0 ] && shift
compositors=("$@")
[ ${#compositors[@]} -gt 0 ] || compositors=(weston sway kwin mutter)
wrapper="$(dirname "$(realpath "$0")")/../tests/support/with_wayland.sh"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
printf '%-8s %6s %6s %5s %7s %13s %7s\n' compositor tried loaded deaf crashes "focus moves" leaves
for c in "${compositors[@]}"; do
    status=0
    # One compositor for all the games, a fresh program for each: a crash loses only its game.
    bash "$wrapper" "$c" bash -c 'for _ in $(seq "$2"); do
            status=0
            "$1" --gtest_filter="ForeignPasteTest.PastesTypedAsAPerson*" || status=$?
            echo "game ended: $status"
        done' - "$window" "$games" >"$log" 2>&1 || status=$?
    if [ "$status" -eq 77 ]; then
        printf '%-8s not installed\n' "$c"
        continue
    fi
    [ -z "${MEASURE_LOG:-}" ] || cp "$log" "$MEASURE_LOG/$c.log"
    pastes=$(grep -c '^paste, ' "$log" || true)
    unloaded=$(grep -c 'showsCellPicture' "$log" || true)
    deaf=$(grep -c -e 'Value of: p.keyArrived' -e 'the menu key reached the game no more' "$log" ||
        true)
    unheard=$(grep -c 'Value of: p.keyArrived' "$log" || true)
    # A status above 128 is a signal's: the program ended without gtest's say.
    crashes=$({ grep -o '^game ended: [0-9]*' "$log" || true; } | awk '$3 > 128 {n++} END {print n + 0}')
    moves=$({ grep -o 'keyboard moved [0-9]* times' "$log" || true; } | awk '{n += $3} END {print n + 0}')
    leaves=-
    if [ "$platform" != - ]; then
        bash "$wrapper" "$c" "$platform" \
            --gtest_filter='ForeignClipboardTest.DataArrivesWhole*' --gtest_repeat="$games" \
            >"$log" 2>&1 || true
        leaves=$({ grep -o 'lost it [0-9]* times' "$log" || true; } | awk '{n += $3} END {print n + 0}')
    fi
    printf '%-8s %6d %6d %5d %7d %13d %7s\n' "$c" "$((pastes + unheard + crashes))" \
        "$((pastes - unloaded))" "$deaf" "$crashes" "$moves" "$leaves"
done
