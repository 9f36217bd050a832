#!/usr/bin/env bash
# Installs the Debian packages that building, testing and playing need.
# Idempotent and quiet when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ python3
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  googletest libgtest-dev
  wine wine32 wine64 fonts-wine
  xvfb xauth xdotool x11-utils imagemagick
  pulseaudio libpulse0:i386
)

missing=()
for package in "${packages[@]}"; do
  arch_package=$package
  [ "$package" = wine32 ] && arch_package=wine32:i386
  dpkg-query -W -f='${Status}' "$arch_package" 2>/dev/null | grep -q 'install ok installed' \
    || missing+=("$arch_package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
