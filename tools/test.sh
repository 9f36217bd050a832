#!/usr/bin/env bash
# Runs every test: installs what is missing, builds the presets, then runs the
# platform-free tests natively (with sanitizers) and everything under Wine:
# the 64-bit build under 64-bit Wine, and the 32-bit build (the product)
# under 32-bit Wine wherever this machine can execute 32-bit code.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

cmake --preset win64 >/dev/null
cmake --build --preset win64
ctest --preset win64

cmake --preset win32 >/dev/null
cmake --build --preset win32
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  ctest --preset win32
else
  echo "This machine cannot execute 32-bit programs: the 32-bit build is made," \
       "and its tests are run by the 64-bit build above."
fi
