#!/usr/bin/env bash
# One screenshot per language, a "Slide" game running, under a private X server:
#   scripts/language-shots.sh [OUTDIR]    (tavlora-<language>.png; docs/languages/ by default)
set -euo pipefail
cd "$(dirname "$0")/.."
bin="${TAVLORA_BUILD_DIR:-build}/bin"
out="${1:-docs/languages}"
mkdir -p "$out"
work=$(mktemp -d)
game="" xserver=""
trap 'kill $game $xserver 2>/dev/null; rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$XDG_CONFIG_HOME"
export DISPLAY=:96
Xvfb "$DISPLAY" -screen 0 800x600x24 >/dev/null 2>&1 &
xserver=$!
sleep 1
for language in en de fr es it pt_BR nl pl ru; do
    LANGUAGE="$language" LANG="$language.UTF-8" "$bin/tavlora" "$bin/pictures/Balloons.jpg" \
        >/dev/null 2>&1 &
    game=$!
    wid=$(xdotool search --sync --onlyvisible --name '^Tavlora Software$' | head -1)
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    sleep 1.5
    xdotool mousemove --window "$wid" 316 431 click 1   # Start Game
    sleep 0.5
    for cell in 14 10 11; do
        xdotool mousemove --window "$wid" $((59 + cell % 4 * 100)) $((59 + cell / 4 * 100)) click 1
        sleep 0.3
    done
    sleep 1.2
    /usr/bin/import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage -depth 8 "$out/tavlora-$language.png"
    kill "$game"
    wait "$game" 2>/dev/null || true
done
echo "screenshots in $out/"
