#!/usr/bin/env bash
# Fuzzes one loader:  fuzz/run.sh <picture|cursor|skin> [seconds, default 600] [libFuzzer flags]
# The corpus it grows and anything it finds stay in the build folder; only the seeds in
# tests/fuzz/corpus/<target>/ (and reproducers copied there by hand) belong in the repository.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TAVLORA_FUZZ_BUILD_DIR:-$root/build-fuzz}"
target="${1:?usage: fuzz/run.sh <picture|cursor|skin> [seconds] [libFuzzer flags]}"
seconds="${2:-600}"
shift $(($# < 2 ? $# : 2))

# The largest single allocation each loader may make, in MiB; one above it is reported as a bug.
# A picture decodes at up to 100 million pixels of 4 bytes (381 MiB) before it is scaled down.
# A cursor image is at most 256 x 256, and a window the size of a screen needs a few MiB.
extra=()
case "$target" in
    picture) malloc_limit=512 max_len=8192 ;;
    cursor) malloc_limit=64 max_len=8192 ;;
    skin) malloc_limit=128 max_len=4096 extra=(-dict="$root/fuzz/skin.dict") ;;
    *) echo "unknown target: $target" >&2; exit 2 ;;
esac

grown="$build/corpus/$target"
artifacts="$build/artifacts/$target"
mkdir -p "$grown" "$artifacts"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:allocator_may_return_null=0"
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

exec nice -n 10 "$build/fuzz_$target" "$grown" "$root/tests/fuzz/corpus/$target" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb="$malloc_limit" \
    -max_len="$max_len" -keep_seed=1 -print_final_stats=1 -artifact_prefix="$artifacts/" \
    "${extra[@]}" "$@"
