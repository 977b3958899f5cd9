#!/usr/bin/env bash
# Sets everything up and runs every test: once in an ordinary build and once with
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
bash scripts/build.sh build/release
(cd build/release && ctest --output-on-failure -j2)
bash scripts/build.sh build/sanitize -DVK2_SANITIZE=ON -DVK2_BUILD_GAME=OFF -DVK2_BUILD_BENCH=OFF
(cd build/sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j2)
