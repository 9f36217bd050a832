#!/usr/bin/env bash
# Runs every test: installs what is missing, builds the presets, then runs the
# platform-free tests natively (with sanitizers) and everything under Wine:
# the 64-bit build under 64-bit Wine, and the 32-bit build (the product)
# under 32-bit Wine wherever this machine can execute 32-bit code; elsewhere
# only the 32-bit game and its release archive are built.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh

# The Wine prefixes take a while to create: that runs beside the builds.
runs_32_bit=0
/usr/lib/wine/wine --version >/dev/null 2>&1 && runs_32_bit=1
tools/wine-env.sh prepare build/win64/wine win64 &
prefix64=$!
if [ "$runs_32_bit" -eq 1 ]; then
  tools/wine-env.sh prepare build/win32/wine win32 &
  prefix32=$!
fi

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

# Where the 32-bit build runs its end-to-end tests, the 64-bit one runs only
# the in-process ones.
cmake --preset win64 >/dev/null
cmake --build --preset win64
wait "$prefix64"
if [ "$runs_32_bit" -eq 1 ]; then
  ctest --preset win64 --exclude-regex '^e2e_'
else
  ctest --preset win64
fi

cmake --preset win32 >/dev/null
if [ "$runs_32_bit" -eq 1 ]; then
  cmake --build --preset win32
  wait "$prefix32"
  ctest --preset win32
else
  cmake --build --preset win32 --target Puzzle release
  echo "This machine cannot execute 32-bit programs: the 32-bit game and its" \
       "release archive are built, and the tests run in the 64-bit build above."
fi
