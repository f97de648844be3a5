#!/usr/bin/env bash
# Builds and runs the window benchmark: on the offscreen platform, and then
# as a real X client in Xvfb with openbox.
#
# usage: bench/window_benchmark.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --build --preset default --target window_benchmark
build/bench/window_benchmark "${1:-21}"
QT_QPA_PLATFORM=xcb scripts/with-x-server build/bench/window_benchmark "${1:-21}"
