#!/usr/bin/env bash
# Configures and builds into ${TAVLORA_BUILD_DIR:-build}; extra CMake arguments pass through.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${TAVLORA_BUILD_DIR:-build}"
bash scripts/deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${TAVLORA_BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$build"
