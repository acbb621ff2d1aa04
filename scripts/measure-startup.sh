#!/usr/bin/env bash
# Measures the game's start-up on a private Xvfb server and prints every run and the medians:
#   start-up      exec of the program to the end of its window's first paint (the program reports
#                 that moment on the monotonic clock when TAVLORA_REPORT_STARTUP=1; this script
#                 takes the clock just before it starts the program); also the part of it spent
#                 in main() and the processor time the program had used by then
#   idle RSS      VmRSS one second after exec, no picture loaded
#   with picture  exec of `tavlora PICTURE` to the end of loading that picture, which starts right
#                 after the first paint; and its memory as above
#   then Load     exec of bench/autostart_game to the end of its "Load Picture" of the same picture
#                 right after the first paint: start-up plus the picture's load, for comparison
#   game RSS      VmRSS one second after exec of bench/autostart_game (the game's window, started
#                 like the game, that loads a 6000 x 4000 photo-like JPEG through "Load Picture"
#                 and starts a game right after its first paint); also its peak (VmHWM) by then
# A trivial Qt Widgets window is timed the same way in the same run, as a baseline. One untimed
# warm-up run of each program comes first; then the programs take turns, so a busy moment of the
# machine touches all of them alike.
#
# usage: scripts/measure-startup.sh [runs]          (runs: 10 unless given)
#   TAVLORA_BIN  the game to measure          (default build/bin/tavlora)
#   BENCH_DIR    trivial_window, autostart_game and make_bench_photo, from a build with
#                -DTAVLORA_BENCH=ON (default build-bench/bench); without them the baseline and the
#                game-running figure are left out
#   PICTURE      the picture for the game-running figure (default: written by make_bench_photo)
#   OTHER_BIN    another build of the game (an earlier one, say) started the same way beside it,
#                without a picture
# Needs Xvfb (package xvfb) and python3. MB here are MiB (1024 x 1024 bytes).
set -euo pipefail

# Paths given by the caller count from where the script was started, the defaults from the
# repository.
caller="$PWD"
from_caller() { case "$1" in /*) echo "$1" ;; *) echo "$caller/$1" ;; esac; }
game="build/bin/tavlora"
[ -n "${TAVLORA_BIN:-}" ] && game="$(from_caller "$TAVLORA_BIN")"
bench_dir="build-bench/bench"
[ -n "${BENCH_DIR:-}" ] && bench_dir="$(from_caller "$BENCH_DIR")"
picture=""
[ -n "${PICTURE:-}" ] && picture="$(from_caller "$PICTURE")"
cd "$(dirname "$0")/.."

runs="${1:-10}"

for tool in Xvfb python3; do
    command -v "$tool" >/dev/null || { echo "measure-startup: $tool is missing" >&2; exit 1; }
done
[ -x "$game" ] || { echo "measure-startup: no game at $game (set TAVLORA_BIN)" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

if [ -z "$picture" ] && [ -x "$bench_dir/make_bench_photo" ]; then
    picture="$work/photo.jpg"
    QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" "$bench_dir/make_bench_photo" "$picture"
fi
trivial=""
[ -x "$bench_dir/trivial_window" ] && trivial="$bench_dir/trivial_window"
autostart=""
[ -x "$bench_dir/autostart_game" ] && autostart="$bench_dir/autostart_game"
other=""
[ -n "${OTHER_BIN:-}" ] && other="$(from_caller "$OTHER_BIN")"

python3 - "$runs" "$game" "$trivial" "$picture" "$work" "$autostart" "$other" <<'PY'
import os, selectors, signal, statistics, subprocess, sys, time

runs, game, trivial, picture, work, autostart, other = (int(sys.argv[1]), *sys.argv[2:8])
PREFIX = "tavlora-startup "

def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            sys.exit("measure-startup: Xvfb did not start")
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()

def status_kb(pid, field):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    return -1

def measure(command, extra_env, end, expect_game):
    """One start: milliseconds to `end` (the first paint, or a picture named on the command line
    loaded after it), and memory one second after exec."""
    env = dict(os.environ, DISPLAY=display, XDG_RUNTIME_DIR=runtime_dir,
               TAVLORA_REPORT_STARTUP="1", **extra_env)
    env.pop("QT_QPA_PLATFORM", None)
    started = time.monotonic_ns()
    child = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    watcher = selectors.DefaultSelector()
    watcher.register(child.stderr, selectors.EVENT_READ)
    fields, pending = {}, b""
    deadline = started + 10_000_000_000
    wanted = {f"{end}-monotonic-ns"} | ({"game-running"} if expect_game else set())
    while not wanted <= fields.keys() and time.monotonic_ns() < deadline:
        if not watcher.select(timeout=0.05):
            continue
        chunk = os.read(child.stderr.fileno(), 4096)
        if not chunk:
            break
        pending += chunk
        *lines, pending = pending.split(b"\n")
        for line in lines:
            text = line.decode(errors="replace")
            if text.startswith(PREFIX):
                for item in text[len(PREFIX):].split():
                    key, _, value = item.partition("=")
                    fields[key] = value
    result = None
    if wanted <= fields.keys() and (not expect_game or fields["game-running"] == "1"):
        time.sleep(max(0.0, (started + 1_000_000_000 - time.monotonic_ns()) / 1e9))
        if child.poll() is None:
            result = {
                "startup_ms": (int(fields[f"{end}-monotonic-ns"]) - started) / 1e6,
                "main_ms": float(fields["main-ms"]),
                "cpu_ms": float(fields["cpu-ms"]),
                "rss_mb": status_kb(child.pid, "VmRSS") / 1024,
                "hwm_mb": status_kb(child.pid, "VmHWM") / 1024,
            }
    child.send_signal(signal.SIGTERM)
    try:
        child.wait(timeout=5)
    except subprocess.TimeoutExpired:
        child.kill()
        child.wait()
    watcher.close()
    child.stderr.close()
    if result is None:
        sys.exit(f"measure-startup: {command} did not report {end}"
                 + (" and a running game" if expect_game else ""))
    return result

runtime_dir = os.path.join(work, "runtime")
os.mkdir(runtime_dir, 0o700)
server, display = start_xvfb()
try:
    subjects = [("tavlora", [game], {}, "first-paint", False)]
    if trivial:
        subjects.append(("trivial Qt window", [trivial], {}, "first-paint", False))
    if other:
        subjects.append((f"other build ({other})", [other], {}, "first-paint", False))
    if picture:
        subjects.append(("tavlora PICTURE, to the picture loaded", [game, picture], {},
                         "picture-loaded", False))
    if picture and autostart:
        subjects.append(("tavlora, game running", [autostart, picture], {}, "first-paint", True))
        subjects.append(("start, then Load Picture at once, to the picture loaded",
                         [autostart, picture], {}, "picture-loaded", True))
    else:
        print("no picture or no autostart_game: the game-running figure is left out (set BENCH_DIR)")
    for _, command, env, end, game_mode in subjects:
        measure(command, env, end, game_mode)  # warm-up: font and shader caches, page cache
    results = {name: [] for name, *_ in subjects}
    for run in range(runs):
        for name, command, env, end, game_mode in subjects:
            results[name].append(measure(command, env, end, game_mode))
finally:
    server.terminate()
    server.wait()

print(f"{runs} runs each on Xvfb {display} (1024x768x24), after one warm-up run each")
for name, values in results.items():
    print(f"\n{name}")
    print("  run  start-up ms  (in main ms)  (CPU ms)  RSS at 1 s MB  peak RSS MB")
    rows = [(f"{i:5d}", v) for i, v in enumerate(values, 1)]
    rows.append(("median", {key: statistics.median(v[key] for v in values) for key in values[0]}))
    for label, v in rows:
        print(f"  {label:>6} {v['startup_ms']:10.1f}  {v['main_ms']:12.1f}  {v['cpu_ms']:8.1f}"
              f"  {v['rss_mb']:13.1f}  {v['hwm_mb']:11.1f}")
PY
