#!/usr/bin/env bash
# Builds the suite and runs the plug-in benchmark under Wine.
#   scripts/bench.sh [frames [width height]]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
BUILD_DIR=$build "$root/scripts/build.sh" vortiq_bench stage_data
bench=$build/wine-bench
trap '"$root/scripts/wine-bench.sh" stop "$bench"' EXIT
"$root/scripts/wine-bench.sh" start "$bench"
"$root/scripts/wine-run" "$bench" "$build/bench/vortiq_bench.exe" "${1:-30}" ${2:-} ${3:-} 2>/dev/null
