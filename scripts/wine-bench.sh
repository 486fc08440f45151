#!/usr/bin/env bash
# The Wine test bench: a private prefix, a virtual display and a persistent
# wineserver, all kept in one state folder.
#   wine-bench.sh start STATE   prepares everything and writes STATE/env.sh
#   wine-bench.sh stop STATE    ends the server and the display
# Programs then run as:  scripts/wine-run STATE program.exe args...
set -euo pipefail
cmd=${1:?start or stop}
state=$(mkdir -p "${2:?state folder}" && cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
loader=/usr/lib/wine/wine

# binfmt_misc may already send 32-bit programs to qemu: switch that off for
# the probe so that it tells whether the kernel itself runs them
native_32bit() {
  local entry=/proc/sys/fs/binfmt_misc/qemu-i386 rc=0
  [ -e "$entry" ] && echo 0 >"$entry"
  "$loader" --version >/dev/null 2>&1 || rc=1
  [ -e "$entry" ] && echo 1 >"$entry"
  return $rc
}

# Without the kernel's 32-bit support, 32-bit ELF programs go to qemu through
# binfmt_misc, with the mapping fix preloaded into every emulated process.
prepare_emulation() {
  local bm=/proc/sys/fs/binfmt_misc
  [ -e "$bm/register" ] || mount -t binfmt_misc binfmt_misc "$bm"
  [ -e "$bm/qemu-i386" ] || printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' >"$bm/register"
  local so=$state/qemu-reserve.so
  if [ ! -f "$so" ] || [ "$here/qemu-reserve.c" -nt "$so" ]; then
    gcc -m32 -O2 -shared -fPIC "$here/qemu-reserve.c" -o "$so" -ldl
  fi
  echo "export QEMU_SET_ENV=LD_PRELOAD=$so"
  # Mesa's llvmpipe compiles for the CPU it is told of; qemu's default model
  # invites vector instructions its translator mishandles, and drawing crashes
  echo "export QEMU_CPU=Nehalem"
}

free_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { echo "$n"; return; }
  done
  echo 99
}

start() {
  stop 2>/dev/null || true
  {
    echo "export WINEPREFIX=$state/prefix WINEARCH=win32 WINEDEBUG=-all"
    # no Mono or Gecko installer at prefix creation; a crash ends the process
    # instead of waiting in the debugger
    echo "export WINEDLLOVERRIDES='mscoree,mshtml=;winedbg.exe=d'"
    echo "export WINESERVER=/usr/lib/wine/wineserver64 WINELOADER=$loader"
    native_32bit || prepare_emulation
  } >"$state/env.sh"
  local d
  d=$(free_display)
  setsid Xvfb ":$d" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  echo $! >"$state/xvfb.pid"
  echo "export DISPLAY=:$d" >>"$state/env.sh"
  # shellcheck disable=SC1091
  . "$state/env.sh"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$d" ] && break; sleep 0.1; done
  # the server must not hold any pipe of the caller, or a runner reading
  # that pipe waits for it
  setsid "$WINESERVER" -p </dev/null >/dev/null 2>&1 &
  "$loader" wineboot </dev/null >/dev/null 2>&1 || true
}

stop() {
  if [ -f "$state/env.sh" ]; then
    # shellcheck disable=SC1091
    . "$state/env.sh"
    "$WINESERVER" -k >/dev/null 2>&1 || true
  fi
  if [ -f "$state/xvfb.pid" ]; then
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
    rm -f "$state/xvfb.pid"
  fi
}

"$cmd"
