#!/usr/bin/env bash
# Runs a command on a private X server: Xvfb picks a free display itself and names it, so tests
# running side by side never meet on one.
set -euo pipefail
folder=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$folder/display" 2>"$folder/log" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$folder"' EXIT
for _ in $(seq 200); do
    grep -q . "$folder/display" 2>/dev/null && break
    kill -0 "$server" 2>/dev/null || { cat "$folder/log" >&2; exit 1; }
    sleep 0.05
done
DISPLAY=":$(head -n1 "$folder/display")"
export DISPLAY
"$@"
