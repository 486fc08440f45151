#!/usr/bin/env bash
# Builds the suite and starts Tessaro.exe from the staged program folder under
# Wine. The machine has no display of its own, so the bench's virtual one is
# used and a screenshot of it is saved.
#   scripts/run.sh [--quit-after-shot] [shot.png]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
quit=0
[ "${1:-}" = "--quit-after-shot" ] && { quit=1; shift; }
shot=$(realpath -m "${1:-$root/tessaro-screen.png}")

BUILD_DIR=$build "$root/scripts/build.sh"

bench=$build/wine-run
trap '"$root/scripts/wine-bench.sh" stop "$bench"' EXIT
"$root/scripts/wine-bench.sh" start "$bench"
# shellcheck disable=SC1091
. "$bench/env.sh"
cd "$build/stage"
"$root/scripts/wine-run" "$bench" Tessaro.exe &
app=$!
# start-up, the engine and the slide take a few seconds under emulation
sleep "${SHOT_DELAY:-25}"
import -window root -display "$DISPLAY" "$shot"
echo "screenshot: $shot"
if [ "$quit" = 1 ]; then
  kill "$app" 2>/dev/null || true
  exit 0
fi
echo "Tessaro runs on display $DISPLAY; Ctrl-C ends it."
wait "$app" || true
