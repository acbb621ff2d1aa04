#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec "${TAVLORA_BUILD_DIR:-build}/bin/tavlora"
