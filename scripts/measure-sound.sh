#!/usr/bin/env bash
# Records what the game plays for one Slide move into each corner of the board, through a private
# PulseAudio server whose only output is a null sink, and prints for each sound its onset after
# the click and its left/right balance.
#   usage: scripts/measure-sound.sh [BUILD] [BENCH-BUILD]
#   BUILD        the build with bin/tavlora-sound and bin/sounds (default build)
#   BENCH-BUILD  a build with -DTAVLORA_BENCH=ON holding bench/sound_onset (default BUILD)
# Needs pulseaudio, pulseaudio-utils (parec) and python3. The onset is measured on the monotonic
# clock from the click to the arrival of the first loud sample at the recorder, which includes the
# recorder's own latency (20 ms asked for): an upper bound.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
bench="${2:-$build}"
work=$(mktemp -d)
trap 'kill "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
export PULSE_RUNTIME_PATH="$work" PULSE_STATE_PATH="$work" PULSE_SERVER="unix:$work/native"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --load="module-null-sink sink_name=nul" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$work/native" \
    >"$work/server.log" 2>&1 &
server=$!
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink nul
python3 - "$bench/bench/sound_onset" "$build/bin/tavlora-sound" "$build/bin/sounds" <<'PY'
import math, struct, subprocess, sys, threading, time

rate = 44100
recorder = subprocess.Popen(["parec", "--device=nul.monitor", "--rate=%d" % rate, "--channels=2",
                             "--format=s16le", "--latency-msec=20", "--raw"],
                            stdout=subprocess.PIPE)
chunks = []  # (arrival on the monotonic clock, bytes)
def read():
    while True:
        data = recorder.stdout.read1(4096)
        if not data:
            return
        chunks.append((time.monotonic(), data))
reader = threading.Thread(target=read)
reader.start()
time.sleep(0.5)
driver = subprocess.run(sys.argv[1:], capture_output=True, text=True)
time.sleep(1.0)
recorder.terminate()
reader.join()
if driver.returncode != 0:
    sys.exit("sound_onset failed: " + driver.stderr)
clicks = [(int(w[1]), int(w[2]) / 1e9) for w in (l.split() for l in driver.stdout.splitlines())]
# Each sample's moment: its chunk arrived when its last sample did.
samples = []
for arrival, data in chunks:
    frames = len(data) // 4
    values = struct.unpack("<%dh" % (frames * 2), data[:frames * 4])
    for i in range(frames):
        samples.append((arrival - (frames - 1 - i) / rate, values[2 * i], values[2 * i + 1]))
names = {0: "top left", 3: "top right", 12: "bottom left", 15: "bottom right"}
for corner, clicked in clicks:
    after = [s for s in samples if clicked - 0.05 <= s[0] <= clicked + 0.5]
    loud = [s for s in after if max(abs(s[1]), abs(s[2])) > 300]
    if not loud:
        print("%-12s no sound within 500 ms" % names[corner])
        continue
    onset = loud[0][0] - clicked
    window = [s for s in after if loud[0][0] <= s[0] <= loud[0][0] + 0.12]
    left = math.sqrt(sum(s[1] ** 2 for s in window) / len(window))
    right = math.sqrt(sum(s[2] ** 2 for s in window) / len(window))
    mono = [s[1] + s[2] for s in window]
    crossings = sum(1 for a, b in zip(mono, mono[1:]) if a < 0 <= b)
    print("%-12s onset %5.1f ms   left %6.0f  right %6.0f  balance %+.2f (-1 left, +1 right)"
          "   pitch ~%4.0f Hz" % (names[corner], onset * 1000, left, right,
                                  (right - left) / (right + left), crossings / 0.12))
PY
