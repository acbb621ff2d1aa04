#!/usr/bin/env bash
# Plays the built game under a private X server and takes the README's screenshots: the start
# window, a "Slide" game in progress with the keyboard cursor, the same at twice the density, and
# the high-score list. The picture is one of the game's own stock pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
bin="${TAVLORA_BUILD_DIR:-build}/bin"
out=docs
need=()
for p in xvfb xdotool imagemagick; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
    sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

work=$(mktemp -d)
trap 'kill $game $xserver 2>/dev/null; rm -rf "$work"' EXIT
cp -r "$bin" "$work/game"
# A home of its own, so the file box remembers nothing of the player's and writes nothing there.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$XDG_CONFIG_HOME"
export DISPLAY=:97
Xvfb "$DISPLAY" -screen 0 1400x1000x24 >/dev/null 2>&1 &
xserver=$!
sleep 1
start() {
    QT_SCALE_FACTOR="$1" "$work/game/tavlora" >/dev/null 2>&1 &
    game=$!
    wid=$(xdotool search --sync --onlyvisible --name '^Tavlora Software$' | head -1)
    xdotool windowfocus "$wid"
    eval "$(xdotool getwindowgeometry --shell "$wid")"
}
shot() { /usr/bin/import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$out/$1"; }
press() { xdotool mousemove --window "$wid" "$1" "$2" click 1; sleep "${3:-0.4}"; }
play() {  # scale: load Balloons, start, some clicks, the cursor moved by keys
    local s=$1
    press $((108 * s)) $((431 * s)) 1.5   # Load Picture, which opens in pictures/
    xdotool type --delay 10 "Balloons.jpg"
    xdotool key Return
    sleep 1
    press $((316 * s)) $((431 * s)) 1     # Start Game
    for cell in 0 5 10 15 4 1 6 11 14 9; do
        press $(((59 + cell % 4 * 100) * s)) $(((59 + cell / 4 * 100) * s)) 0.3
    done
    xdotool key --window "$wid" Tab Tab Right Down   # from "End Game" past "High Scores" to the board
    sleep 2.2
}

start 2
play 2
shot game-2x.png
kill $game
start 1
sleep 0.5
shot start.png
play 1
shot game.png
press 500 431 1                       # High Scores
/usr/bin/import -window root "$work/list.png"
/usr/bin/convert "$work/list.png" -trim +repage "$out/scores.png"
xdotool key Return
echo "screenshots in $out/"
