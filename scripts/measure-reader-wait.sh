#!/usr/bin/env bash
# How long the game's window keeps a screen reader waiting while a 100-megapixel picture loads.
#
#   scripts/measure-reader-wait.sh GAME [RUNS]      e.g. scripts/measure-reader-wait.sh build/tavlora 3
#
# Makes a 10000 x 10000 24-bit BMP (about 300 MB) in a temporary folder, starts GAME on a private X
# server, session bus and AT-SPI bus with a private HOME, presses "Load Picture" with the mouse,
# types the picture's path into the file box and presses Return. From that Return until the game
# tells screen readers "Picture NAME loaded", the window is asked for its name through AT-SPI every
# 5 ms; each run prints the number of questions, the longest and the median answer time, and how
# long the load took. Needs Xvfb, xdotool, dbus-run-session, at-spi2-core and /usr/bin/python3
# with pyatspi. Nothing is written outside the temporary folder.
set -euo pipefail
if [[ $# -lt 1 || ! -x $1 ]]; then
    echo "usage: $0 GAME [RUNS]   (GAME: the tavlora program, e.g. build/tavlora)" >&2
    exit 2
fi
game="$(realpath "$1")"
runs="${2:-1}"
helper="$(dirname "$(realpath "$0")")/measure-reader-wait.py"
folder="$(mktemp -d "${TMPDIR:-/tmp}/tavlora-reader-wait.XXXXXX")"
trap 'rm -rf "$folder"' EXIT

picture="$folder/big.bmp"
/usr/bin/python3 "$helper" make-bmp "$picture"

for run in $(seq "$runs"); do
    work="$folder/run$run"
    mkdir -p "$work"/{home,config,data,cache}
    mkdir -m 700 "$work/runtime"
    echo "run $run: $game"
    env -u DBUS_SESSION_BUS_ADDRESS -u AT_SPI_BUS_ADDRESS -u WAYLAND_DISPLAY -u DISPLAY \
        HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
        XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8 LANGUAGE= \
        dbus-run-session -- /usr/bin/python3 "$helper" measure "$game" "$picture" "$work" ||
        { echo "run $run failed; the game said:" >&2; cat "$work/game.log" >&2; exit 1; }
done
