#!/usr/bin/env bash
# Plays the built game under a private X server and takes the README's screenshots:
# the start window, a "Slide" game in progress and the high-score list.
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
/usr/bin/convert -size 800x600 gradient:'#ffcc66'-'#cc3355' \
    -fill '#ffee99' -draw 'circle 580,150 580,210' \
    -fill '#224488' -draw 'polygon 0,600 0,420 150,330 320,430 470,300 640,410 800,350 800,600' \
    -fill '#113366' -draw 'polygon 0,600 0,500 200,440 420,520 620,460 800,520 800,600' \
    "$work/sunset.jpg"

export DISPLAY=:97
Xvfb "$DISPLAY" -screen 0 1024x768x24 >/dev/null 2>&1 &
xserver=$!
sleep 1
"$work/game/tavlora" >/dev/null 2>&1 &
game=$!
wid=$(xdotool search --sync --onlyvisible --name '^Tavlora Software$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$wid")"
shot() { /usr/bin/import -window root -crop "584x451+$X+$Y" +repage "$out/$1"; }
press() { xdotool mousemove --window "$wid" "$1" "$2" click 1; sleep "${3:-0.4}"; }

sleep 0.5
shot start.png
press 108 431 1.5                     # Load Picture
xdotool type --delay 10 "$work/sunset.jpg"
xdotool key Return
sleep 1
press 316 431 1                       # Start Game
for cell in 0 5 10 15 4 1 6 11 14 9; do
    press $((59 + cell % 4 * 100)) $((59 + cell / 4 * 100)) 0.3
done
sleep 2.2
shot game.png
press 500 431 1                       # High Scores
/usr/bin/import -window root "$work/list.png"
/usr/bin/convert "$work/list.png" -trim +repage "$out/scores.png"
xdotool key Return
echo "screenshots in $out/"
