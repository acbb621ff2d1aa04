#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
ctest --test-dir "${TAVLORA_BUILD_DIR:-build}" --output-on-failure -j2
