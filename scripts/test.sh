#!/usr/bin/env bash
# Builds everything and runs every test under Wine. On a fresh machine it
# installs what it needs first.  Usage: scripts/test.sh [ctest arguments]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}

BUILD_DIR=$build "$root/scripts/build.sh"

bench=$build/wine
trap '"$root/scripts/wine-bench.sh" stop "$bench"' EXIT
"$root/scripts/wine-bench.sh" start "$bench"
ctest --test-dir "$build" --output-on-failure "$@"
