#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh build/release
exec build/release/vellumark2 "$@"
