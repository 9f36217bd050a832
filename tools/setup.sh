#!/usr/bin/env bash
# Installs what building, testing and playing need; idempotent and quiet when
# everything is already there:
#   setup.sh              both of these
#   setup.sh packages     this machine's Debian packages
#   setup.sh wine10-root  the Debian 13 root with Wine 10 (tools/wine10-root.sh),
#                         which runs the 32-bit game in WoW64 mode
set -euo pipefail
cd "$(dirname "$0")/.."
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo

case "${1:-all}" in
  packages|all) ;;
  wine10-root) exec $sudo tools/wine10-root.sh make ;;
  *) echo "usage: $0 [packages|wine10-root]" >&2; exit 2 ;;
esac

packages=(
  cmake ninja-build g++ python3 clang-format
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  googletest libgtest-dev
  wine wine32 wine64 fonts-wine
  xvfb xauth xdotool x11-utils imagemagick python3-xlib
  debootstrap
  pulseaudio libpulse0:i386
)

missing=()
for package in "${packages[@]}"; do
  arch_package=$package
  [ "$package" = wine32 ] && arch_package=wine32:i386
  dpkg-query -W -f='${Status}' "$arch_package" 2>/dev/null | grep -q 'install ok installed' \
    || missing+=("$arch_package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
[ "${1:-all}" = packages ] || $sudo tools/wine10-root.sh make
