#!/usr/bin/env bash
# Runs a command as a client of a private Wayland compositor: Weston nested in a private X server
# (headless Weston has no keyboard, so no window could hold the clipboard), its socket in a private
# runtime folder, so tests running side by side never meet. WESTON_SCALE=2 makes a 2x output, and
# WESTON_WIDTH and WESTON_HEIGHT set its size in the desktop's pixels (1024 x 768).
# Exit 77 (skipped) where Weston is not installed.
set -euo pipefail
command -v weston >/dev/null || {
    echo "SKIP: weston is not installed (scripts/deps.sh installs it)"
    exit 77
}
folder=$(mktemp -d)
chmod 700 "$folder"
runtime="$folder/runtime"
mkdir -m 700 "$runtime"
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done; rm -rf "$folder"' EXIT

width=${WESTON_WIDTH:-1024} height=${WESTON_HEIGHT:-768} scale=${WESTON_SCALE:-1}
Xvfb -displayfd 3 -screen 0 "$((width * scale + 64))x$((height * scale + 64))x24" -nolisten tcp 3>"$folder/display" 2>"$folder/xvfb.log" &
pids=("$!" "${pids[@]}")
for _ in $(seq 200); do
    grep -q . "$folder/display" 2>/dev/null && break
    kill -0 "${pids[0]}" 2>/dev/null || { cat "$folder/xvfb.log" >&2; exit 1; }
    sleep 0.05
done
export DISPLAY=":$(head -n1 "$folder/display")"

printf '[core]\nidle-time=0\n[shell]\npanel-position=none\nanimation=none\nfocus-animation=none\n' \
    >"$folder/weston.ini"
socket="tavlora-test-$$"
# Weston 10 (Debian 12) chooses its renderer with --use-pixman; later Westons with --renderer.
renderer=--use-pixman
weston --help 2>&1 | grep -q -- '--renderer=' && renderer=--renderer=pixman
XDG_RUNTIME_DIR="$runtime" weston --backend=x11-backend.so --socket="$socket" --width="$width" \
    --height="$height" --scale="$scale" "$renderer" --config="$folder/weston.ini" \
    >"$folder/weston.log" 2>&1 &
pids=("$!" "${pids[@]}")
for _ in $(seq 200); do
    [ -S "$runtime/$socket" ] && break
    kill -0 "${pids[0]}" 2>/dev/null || { cat "$folder/weston.log" >&2; exit 1; }
    sleep 0.05
done
[ -S "$runtime/$socket" ] || { cat "$folder/weston.log" >&2; exit 1; }

# The command reaches only Weston, by the socket's full path, which stays valid where the tests
# point XDG_RUNTIME_DIR elsewhere; DISPLAY stays for xdotool, which drives Weston's input.
export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$runtime/$socket" QT_QPA_PLATFORM=wayland
# Under the leak checker: Qt 6.4's Wayland platform leaves nine objects of its connection and a
# buffer of a plugin it has unloaded at the end (seen in a run that reads no clipboard at all), and
# the checker cannot tell them from ours by their short stacks. Memory errors are still caught here;
# the clipboard reader destroys every object it makes before it disconnects.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}detect_leaks=0"
"$@"
