#!/usr/bin/env bash
# Runs a command as a client of a private Wayland compositor nested in a private X server:
#   with_wayland.sh weston|sway|kwin|mutter COMMAND...
# Nested, since a headless compositor has no keyboard, and the keys xdotool types into the X server
# reach the game through the compositor as a player's would. The compositor's socket is in a
# private runtime folder, so tests running side by side never meet, and its settings and caches
# are in a private home. TEST_COMPOSITOR names the compositor to the command.
# For Weston, WESTON_SCALE=2 makes a 2x output, and WESTON_WIDTH and WESTON_HEIGHT set its size in
# the desktop's pixels (1024 x 768); the others have that size at scale 1.
# Sway refuses to run as root: then it runs as nobody, and its clients, the command too, reach its
# socket by its full path. Debian's kwin_wayland carries a file capability that a container may not
# grant, which keeps it from starting there; a copy, which carries none, runs instead.
# Exit 77 (skipped) where the compositor is not installed.
set -euo pipefail
compositor=${1:?"usage: with_wayland.sh weston|sway|kwin|mutter COMMAND..."}
shift
case "$compositor" in
weston) program=weston package=weston ;;
sway) program=sway package=sway ;;
kwin) program=kwin_wayland package=kwin-wayland ;;
mutter) program=mutter package=mutter ;;
*)
    echo "with_wayland.sh: unknown compositor $compositor" >&2
    exit 2
    ;;
esac
command -v "$program" >/dev/null || {
    echo "SKIP: $program is not installed (scripts/deps.sh installs $package)"
    exit 77
}
folder=$(mktemp -d)
# Others may pass through, not look: Sway, run as nobody, reaches its own folder inside.
chmod 711 "$folder"
runtime="$folder/runtime"
mkdir -m 700 "$runtime" "$folder/home"
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done; rm -rf "$folder"' EXIT

width=${WESTON_WIDTH:-1024} height=${WESTON_HEIGHT:-768} scale=1
[ "$compositor" = weston ] && scale=${WESTON_SCALE:-1}
# first_line FILE LOG: waits for the program just started (pids[0]) to write a line into FILE;
# if it ends first, shows its LOG and ends the run.
first_line() {
    for _ in $(seq 200); do
        grep -q . "$1" 2>/dev/null && return
        kill -0 "${pids[0]}" 2>/dev/null || { cat "$2" >&2; exit 1; }
        sleep 0.05
    done
}
Xvfb -displayfd 3 -screen 0 "$((width * scale + 64))x$((height * scale + 64))x24" -nolisten tcp 3>"$folder/display" 2>"$folder/xvfb.log" &
pids=("$!" "${pids[@]}")
first_line "$folder/display" "$folder/xvfb.log"
export DISPLAY=":$(head -n1 "$folder/display")"

socket="tavlora-test-$$"
log="$folder/$compositor.log"
home="$folder/home"
case "$compositor" in
weston)
    printf '[core]\nidle-time=0\n[shell]\npanel-position=none\nanimation=none\nfocus-animation=none\n' \
        >"$folder/weston.ini"
    # Weston 10 (Debian 12) chooses its renderer with --use-pixman; later Westons with --renderer.
    renderer=--use-pixman
    weston --help 2>&1 | grep -q -- '--renderer=' && renderer=--renderer=pixman
    XDG_RUNTIME_DIR="$runtime" weston --backend=x11-backend.so --socket="$socket" --width="$width" \
        --height="$height" --scale="$scale" "$renderer" --config="$folder/weston.ini" \
        >"$log" 2>&1 &
    ;;
sway)
    served="$folder/sway"
    mkdir -m 700 "$served"
    printf 'output * resolution %dx%d position 0 0 bg #202020 solid_color\nfocus_follows_mouse no\n' \
        "$width" "$height" >"$served/config"
    as=()
    if [ "$(id -u)" -eq 0 ]; then
        chown -R nobody "$served"
        as=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
    fi
    # Sway makes the keyboard map it sends each client in /dev/shm; where it may not write there
    # (a chroot with /dev bound and no tmpfs on /dev/shm) every client is sent none and takes no
    # key, so the keys typed never arrive.
    "${as[@]}" test -w /dev/shm || {
        echo "with_wayland.sh: Sway's user may not write to /dev/shm, so it could send no keyboard" \
            "map: mount a tmpfs there with mode 1777" >&2
        exit 1
    }
    env -u WAYLAND_DISPLAY HOME="$served" XDG_CONFIG_HOME="$served" XDG_RUNTIME_DIR="$served" \
        WLR_BACKENDS=x11 WLR_RENDERER=pixman WLR_X11_OUTPUTS=1 WAYLAND_DEBUG= \
        "${as[@]}" sway --config "$served/config" >"$log" 2>&1 &
    ;;
kwin)
    mkdir "$folder/kwin"
    cp "$(command -v kwin_wayland)" "$folder/kwin/kwin_wayland"
    # Only what this KWin knows of: an option it does not know ends it.
    quiet=()
    for option in --no-lockscreen --no-global-shortcuts --no-kactivities; do
        "$folder/kwin/kwin_wayland" --help 2>&1 | grep -q -- "$option" && quiet+=("$option")
    done
    env -u WAYLAND_DISPLAY HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local" \
        XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$runtime" \
        "$folder/kwin/kwin_wayland" --x11-display "$DISPLAY" --socket "$socket" --width "$width" \
        --height "$height" "${quiet[@]}" >"$log" 2>&1 &
    ;;
mutter)
    # Mutter wants a session bus of its own, which ends with it here (dbus-run-session, ended by a
    # signal, leaves its bus running); its nested output has the size given here.
    dbus-daemon --session --nofork --print-address=3 3>"$folder/bus" 2>"$folder/bus.log" &
    pids=("$!" "${pids[@]}")
    first_line "$folder/bus" "$folder/bus.log"
    env -u WAYLAND_DISPLAY HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local" \
        XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$runtime" \
        DBUS_SESSION_BUS_ADDRESS="$(head -n1 "$folder/bus")" \
        MUTTER_DEBUG_DUMMY_MODE_SPECS="${width}x${height}" \
        mutter --nested --wayland --no-x11 --wayland-display "$socket" >"$log" 2>&1 &
    ;;
esac
pids=("$!" "${pids[@]}")
target="$runtime/$socket"
for _ in $(seq 400); do
    # Sway names its socket wayland-N itself, in its own folder.
    [ "$compositor" = sway ] &&
        target=$(find "$served" -maxdepth 1 -name 'wayland-*' -type s 2>/dev/null | head -n1)
    [ -S "$target" ] && break
    kill -0 "${pids[0]}" 2>/dev/null || { cat "$log" >&2; exit 1; }
    sleep 0.05
done
[ -S "$target" ] || { cat "$log" >&2; exit 1; }

# The command reaches only this compositor, by the socket's full path, which stays valid where the
# tests point XDG_RUNTIME_DIR elsewhere; DISPLAY stays for xdotool, which drives its input.
export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$target" QT_QPA_PLATFORM=wayland \
    TEST_COMPOSITOR="$compositor"
# Under the leak checker: Qt 6.4's Wayland platform leaves nine objects of its connection and a
# buffer of a plugin it has unloaded at the end (seen in a run that reads no clipboard at all), and
# the checker cannot tell them from ours by their short stacks. Memory errors are still caught here;
# the clipboard reader destroys every object it makes before it disconnects.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}detect_leaks=0"
"$@"
