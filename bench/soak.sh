#!/usr/bin/env bash
# The soak: 10,000 presses of "Calcola" over inputs that fail in every way.
# First for resident memory in the optimised build, then for leaks under
# AddressSanitizer and LeakSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --build --preset default --target soak
build/bench/soak

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize --target soak
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt" build-sanitize/bench/soak
