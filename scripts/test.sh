#!/usr/bin/env bash
# Builds everything and runs every test under Wine. On a fresh machine it
# installs what it needs first.  Usage: scripts/test.sh [ctest arguments]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build"

bench=$build/wine
trap '"$root/scripts/wine-bench.sh" stop "$bench"' EXIT
"$root/scripts/wine-bench.sh" start "$bench"
ctest --test-dir "$build" --output-on-failure "$@"
