#!/usr/bin/env bash
# Runs every test: installs what is missing, builds the presets, then runs the
# platform-free tests natively (with sanitizers) and everything under Wine:
# the 64-bit build under 64-bit Wine 8, and the 32-bit build (the product)
# under 32-bit Wine 8 where this machine executes 32-bit code, its
# end-to-end tests once more under Wine 10 in WoW64 mode; where the machine
# does not execute 32-bit code, the whole 32-bit suite under Wine 10's WoW64.
# The last lines name the Win32 that ran each suite.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh packages
mkdir -p build
summary=()
said() { summary+=("$*"); }
# ctest, its passed tests counted for the closing line.
passed=0
run_ctest() {
  local log
  log=$(mktemp)
  ctest "$@" | tee "$log"
  passed=$((passed + $(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$log")))
  rm -f "$log"
}

# Where 32-bit programs run (tools/wine-env.sh decides, PUZZLE_WIN32_WINE=wow64
# takes the other road), WoW64 runs the end-to-end tests again; elsewhere
# it runs the whole 32-bit suite.
runs_32_bit=0
[ "$(tools/wine-env.sh resolve win32)" = win32 ] && runs_32_bit=1
if [ "$runs_32_bit" -eq 1 ]; then
  wow64_dir=build/win32/wine10 wow64_tests=(--tests-regex '^wow64_')
  wow64_suite="end-to-end tests of the 32-bit game again"
else
  wow64_dir=build/win32/wine wow64_tests=(--exclude-regex '^wow64_')
  wow64_suite="in-process and end-to-end tests of the 32-bit game"
fi

# The Wine 10 root and the Wine prefixes take a while to make: that runs
# beside the builds.
(tools/setup.sh wine10-root && tools/wine-env.sh prepare "$wow64_dir" wow64) \
  >build/wine10-root.log 2>&1 &
wow64_ready=$!
tools/wine-env.sh prepare build/win64/wine win64 &
prefix64=$!
if [ "$runs_32_bit" -eq 1 ]; then
  tools/wine-env.sh prepare build/win32/wine win32 &
  prefix32=$!
fi

cmake --preset native >/dev/null
cmake --build --preset native
run_ctest --preset native
said "native: the platform-free tests, built by the host compiler with sanitizers (no Win32)"

# Where the 32-bit build runs its end-to-end tests, the 64-bit one runs only
# the in-process ones.
cmake --preset win64 >/dev/null
cmake --build --preset win64
wait "$prefix64"
win32=$(tools/wine-env.sh describe build/win64/wine)
echo "== win64 suite under $win32"
if [ "$runs_32_bit" -eq 1 ]; then
  run_ctest --preset win64 --exclude-regex '^e2e_'
  said "win64: in-process tests under $win32"
else
  run_ctest --preset win64
  said "win64: in-process and end-to-end tests under $win32"
fi

cmake --preset win32 >/dev/null
cmake --build --preset win32
if [ "$runs_32_bit" -eq 1 ]; then
  wait "$prefix32"
  win32=$(tools/wine-env.sh describe build/win32/wine)
  echo "== win32 suite under $win32"
  run_ctest --preset win32 --exclude-regex '^wow64_'
  said "win32: in-process and end-to-end tests of the 32-bit game under $win32"
fi
if wait "$wow64_ready"; then
  win32=$(tools/wine-env.sh describe "$wow64_dir")
  echo "== win32 $wow64_suite under $win32"
  run_ctest --preset win32 "${wow64_tests[@]}"
  said "win32: $wow64_suite under $win32"
else
  echo "== Wine 10's WoW64 mode is not to be had here: build/wine10-root.log says why"
  tail -n 5 build/wine10-root.log
  if [ "$runs_32_bit" -eq 1 ]; then
    said "win32: NOT run under Wine 10's WoW64 mode, whose root could not be made (build/wine10-root.log)"
  else
    said "win32: NOT TESTED. This machine does not execute 32-bit programs and the Wine 10 root" \
         "that runs them in WoW64 mode could not be made (build/wine10-root.log): the 32-bit game" \
         "and its release archive are built, and no test ran them"
  fi
fi

echo
echo "The Win32 that ran each suite:"
printf '  %s\n' "${summary[@]}"
echo "tests: $passed passed, 0 failed"
