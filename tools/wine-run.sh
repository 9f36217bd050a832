#!/usr/bin/env bash
# Runs a Windows program in the test Wine environment that wine-env.sh started:
#   wine-run.sh WINE_DIR PROGRAM.exe [ARGS...]
set -euo pipefail
wine_dir=$1; shift
source "$(dirname "$0")/wine-env.sh" environment "$wine_dir"
exec wine "$@"
