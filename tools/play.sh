#!/usr/bin/env bash
# Builds the game and starts it under Wine:
#   tools/play.sh            play on the current display, in the user's Wine prefix
#   tools/play.sh --xvfb     run under a throwaway Xvfb (headless machines; nothing to see,
#                            but it shows that the game starts; stop it with Ctrl+C)
# The game is laid out in build/win32/play/ (not game/, the build folder of the
# game/ sources): Puzzle.exe and the sample pictures. On a machine that cannot
# execute 32-bit programs the 64-bit build is played instead, in build/win64/play/.
set -euo pipefail
cd "$(dirname "$0")/.."

use_xvfb=0
for argument in "$@"; do
  case "$argument" in
    --xvfb) use_xvfb=1 ;;
    -h|--help) sed -n '2,7p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "play.sh: unknown option $argument" >&2; exit 2 ;;
  esac
done

if [ "$use_xvfb" -eq 0 ] && [ -z "${DISPLAY:-}" ]; then
  echo "play.sh: no DISPLAY is set, so the game has nowhere to show its window." >&2
  echo "Run it from a graphical session, or use 'tools/play.sh --xvfb' on a headless machine." >&2
  exit 1
fi

tools/setup.sh packages
preset=win32 loader=/usr/lib/wine/wine
if ! "$loader" --version >/dev/null 2>&1; then
  preset=win64 loader=/usr/lib/wine/wine64
  export WINELOADER=$loader
  # 64-bit Wine does not find Marlett by itself: the caption buttons need it.
  "$loader" wineboot >/dev/null 2>&1
  cp -n /usr/share/wine/fonts/marlett.ttf "${WINEPREFIX:-$HOME/.wine}/drive_c/windows/Fonts/" 2>/dev/null || true
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target Puzzle

game_dir=build/$preset/play
mkdir -p "$game_dir"
rm -f "$game_dir"/Puzzle*.bmp
cp "build/$preset/Puzzle.exe" "$game_dir/"
cp app/assets/samples/Puzzle*.bmp "$game_dir/"
echo "The game is in $game_dir/"

export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
cd "$game_dir"
if [ "$use_xvfb" -eq 1 ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$loader" Puzzle.exe
fi
exec "$loader" Puzzle.exe
