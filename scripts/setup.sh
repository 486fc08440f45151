#!/usr/bin/env bash
# Installs everything the build, the tests and the art scripts need on a fresh
# Debian 12 machine. Idempotent: when every package is present it only checks.
set -euo pipefail

packages=(
  cmake ninja-build g++-mingw-w64-i686 googletest
  wine wine32:i386 wine64 xvfb xauth libgl1-mesa-dri:i386 libgl1:i386 libglx-mesa0:i386
  gcc-multilib imagemagick sox lame python3
)
# Some machines boot with the kernel's 32-bit execution switched off; Wine's
# 32-bit loader then runs under qemu's user-mode emulator. The backported
# qemu is needed: the stock one mishandles the mappings Wine asks for.
backports="deb http://deb.debian.org/debian bookworm-backports main"
qemu_pkg=qemu-user-static

missing=()
for p in "${packages[@]}" "$qemu_pkg"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "$(dpkg-query -W -f='${Version}' "$qemu_pkg" 2>/dev/null)" != "" ] &&
   ! dpkg-query -W -f='${Version}' "$qemu_pkg" | grep -q bpo; then
  missing+=("$qemu_pkg")
fi
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
[ -f /etc/apt/sources.list.d/backports.list ] ||
  echo "$backports" | $SUDO tee /etc/apt/sources.list.d/backports.list >/dev/null
$SUDO apt-get update -qq
plain=()
for p in "${missing[@]}"; do [ "$p" = "$qemu_pkg" ] || plain+=("$p"); done
[ ${#plain[@]} -eq 0 ] || $SUDO apt-get install -y -qq --no-install-recommends "${plain[@]}" >/dev/null
$SUDO apt-get install -y -qq --no-install-recommends -t bookworm-backports "$qemu_pkg" >/dev/null
