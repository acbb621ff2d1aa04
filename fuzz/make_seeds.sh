#!/usr/bin/env bash
# Writes the seed corpus into tests/fuzz/corpus/: our own drawings saved by Qt, cursors and style
# sheets built by make_seeds, and the GIF and other encodings Qt cannot write, made from those
# drawings by ImageMagick. Files of the same name are overwritten; reproducers of found bugs are
# kept.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TAVLORA_FUZZ_BUILD_DIR:-$root/build-fuzz}"
corpus="$root/tests/fuzz/corpus"
convert=/usr/bin/convert  # by full path: another convert may come first in PATH

if [[ ! -f "$build/build.ninja" ]]; then
    CXX=clang++-14 cmake -S "$root/fuzz" -B "$build" -G Ninja
fi
cmake --build "$build" --target make_seeds
ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen "$build/make_seeds" "$corpus"

pictures="$corpus/picture"
# -strip keeps dates and tool names out, so the seeds only change when the drawings do.
im() { "$convert" "$@"; }
im "$pictures/landscape.png" -strip "$pictures/landscape.gif"
im "$pictures/landscape.png" -strip -interlace GIF "$pictures/landscape-interlaced.gif"
im "$pictures/ring-alpha.png" -strip "$pictures/ring-transparent.gif"
im -delay 20 "$pictures/landscape.png" "$pictures/ring-alpha.png" -strip -loop 0 \
    "$pictures/two-frames.gif"
im "$pictures/landscape.png" -strip -interlace PNG "$pictures/landscape-interlaced.png"
im "$pictures/landscape.png" -strip -type Palette -colors 16 -compress RLE \
    "BMP3:$pictures/landscape-rle.bmp"
im "$pictures/ring-alpha.png" -strip "BMP:$pictures/ring-bitfields.bmp"
im "$pictures/landscape.png" -strip -colorspace CMYK -quality 70 "$pictures/landscape-cmyk.jpg"
im "$pictures/landscape.png" -strip -resize 20x15 -compress none "$pictures/landscape-ascii.ppm"
# Cut short, like an interrupted download.
head -c 900 "$pictures/landscape.gif" >"$pictures/cut-short.gif"
head -c 1000 "$pictures/landscape-rle.bmp" >"$pictures/cut-short-rle.bmp"

du -sh "$corpus"
