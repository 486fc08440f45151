#!/usr/bin/env bash
# Builds the suite and runs the plug-in benchmark under Wine.
#   scripts/bench.sh [frames [width height]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build" --target vortiq_bench stage_data
bench=$build/wine-bench
trap '"$root/scripts/wine-bench.sh" stop "$bench"' EXIT
"$root/scripts/wine-bench.sh" start "$bench"
"$root/scripts/wine-run" "$bench" "$build/bench/vortiq_bench.exe" "${1:-30}" ${2:-} ${3:-} 2>/dev/null
