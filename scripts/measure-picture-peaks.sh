#!/bin/bash
# Loads every picture of the hostile corpus (and any pictures named after the build folder) in a
# fresh process standing for the game, and prints the peak resident memory of that process and
# of the decoding program it started, in MiB, largest first.
#   bash scripts/measure-picture-peaks.sh [BUILD_DIR] [PICTURE...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
shift || true
child=$build/tests/picture_peak_child
[ -x "$child" ] || { echo "build picture_peak_child first: cmake --build $build --target picture_peak_child" >&2; exit 1; }
for picture in "$root"/tests/fuzz/corpus/picture/* "$@"; do
    line=$("$child" "$picture")
    game=$(sed -n 's/.*game-kb=\([0-9]*\).*/\1/p' <<<"$line")
    decoder=$(sed -n 's/.*decoder-kb=\([0-9]*\).*/\1/p' <<<"$line")
    outcome=$(sed -n 's/.*outcome=//p' <<<"$line" | sed "s#$root/##")
    printf '%6.1f %6.1f %s: %s\n' "$((game))e-3" "$((decoder))e-3" "$(basename "$picture")" "${outcome:0:90}" |
        awk '{ $1 = sprintf("%6.1f", $1 * 1000 / 1024); $2 = sprintf("%6.1f", $2 * 1000 / 1024); print }'
done | sort -k2 -n -r | awk 'BEGIN { print "game-MiB decoder-MiB picture: outcome" } { print }'
