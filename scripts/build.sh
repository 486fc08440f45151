#!/usr/bin/env bash
# Installs what is missing, configures the 32-bit Windows build and builds.
#   scripts/build.sh [targets...]      (BUILD_DIR picks the build folder)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
if [ $# -gt 0 ]; then cmake --build "$build" --target "$@"; else cmake --build "$build"; fi
