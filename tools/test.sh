#!/usr/bin/env bash
# Runs every test: installs what is missing, builds both presets, then runs
# the platform-free tests natively (with sanitizers) and everything under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

cmake --preset win32 >/dev/null
cmake --build --preset win32
ctest --preset win32
