#!/usr/bin/env bash
# The test Wine environment, kept inside a build folder (never ~/.wine):
#   wine-env.sh start DIR [win32|win64|wow64]
#                           create the prefix on first use (win32 unless told),
#                           start Xvfb, a PulseAudio server and a persistent
#                           wine server
#   wine-env.sh prepare DIR [win32|win64|wow64]
#                           only create the prefix (no display, nothing left
#                           running), ahead of a start: it can run beside a build
#   wine-env.sh stop DIR    stop them
#   wine-env.sh describe DIR             name the Win32 that runs DIR's programs
#   wine-env.sh resolve ARCH             the architecture that ARCH stands for here
#   source wine-env.sh environment DIR   export WINEPREFIX, DISPLAY and friends
# The Win32 of each: win64 is Debian 12's 64-bit Wine 8; wow64 is Wine 10 of
# the Debian 13 root (tools/wine10-root.sh) in its WoW64 mode, 32-bit programs
# in a 64-bit process; win32 is Debian 12's 32-bit Wine 8 where this machine
# executes 32-bit code, and wow64 where it does not (or where
# PUZZLE_WIN32_WINE=wow64 asks for it).
# DIR/prefix is the prefix, DIR/display the X display, DIR/drive-p the folder
# that the prefix maps as drive P: (a drive root for tests), DIR/bin the wine
# and wineserver of the prefix's architecture (first on PATH in the environment),
# DIR/pulse the audio server's socket, client configuration and log.
set -euo pipefail
tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

resolve_arch() {
  if [ "$1" = win32 ] && { [ "${PUZZLE_WIN32_WINE:-}" = wow64 ] ||
                           ! /usr/lib/wine/wine --version >/dev/null 2>&1; }; then
    echo wow64
  else
    echo "$1"
  fi
}

# Debian's wine script always prefers the 32-bit loader, which some machines
# cannot execute: a prefix is run by the loader and server of its own
# architecture, named here once (for wow64, their paths inside the root).
loaders_for() {
  if [ "$1" = win32 ]; then
    loader=/usr/lib/wine/wine server=/usr/lib/wine/wineserver32
  else
    loader=/usr/lib/wine/wine64 server=/usr/lib/wine/wineserver64
  fi
}

link_loaders() {
  local dir=$1 arch=$2 loader server enter=""
  loaders_for "$arch"
  [ "$arch" = wow64 ] && enter="$tools/wine10-root.sh exec "
  mkdir -p "$dir/bin"
  rm -f "$dir/bin/wine" "$dir/bin/wineserver"
  echo "$arch" >"$dir/arch"
  printf '#!/bin/sh\nexec %s%s "$@"\n' "$enter" "$loader" >"$dir/bin/wine"
  printf '#!/bin/sh\nexec %s%s "$@"\n' "$enter" "$server" >"$dir/bin/wineserver"
  chmod +x "$dir/bin/wine" "$dir/bin/wineserver"
}

# 64-bit Wine does not find the Marlett font of fonts-wine by itself, and
# caption buttons then show letters; a copy in the prefix's Fonts folder does.
add_caption_font() {
  cp -n /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
}

wine_environment() {
  local dir arch=win32
  dir=$(cd "$1" && pwd)
  [ -f "$dir/arch" ] && arch=$(cat "$dir/arch")
  export WINEPREFIX="$dir/prefix" WINEARCH=${arch/wow64/win64} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
  local loader server
  loaders_for "$arch"
  export PATH="$dir/bin:$PATH" WINELOADER=$loader WINESERVER=$server
  export PULSE_SERVER="unix:$dir/pulse/socket" PULSE_CLIENTCONFIG="$dir/pulse/client.conf"
  [ -f "$dir/display" ] && DISPLAY=$(cat "$dir/display") && export DISPLAY
  return 0
}

# A prefix of another architecture is replaced.
use_arch() {
  local dir=$1 arch
  arch=$(resolve_arch "$2")
  if [ "$arch" = wow64 ] && ! "$tools/wine10-root.sh" ready; then
    echo "There is no Wine 10 root to run 32-bit programs in: tools/setup.sh makes it." >&2
    exit 1
  fi
  [ -d "$dir/prefix" ] && [ "$(cat "$dir/arch" 2>/dev/null)" != "$arch" ] && rm -rf "$dir/prefix"
  link_loaders "$dir" "$arch"
}

create_prefix() {
  local dir=$1
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  rm -rf "$WINEPREFIX"
  wine wineboot --init >/dev/null 2>&1
  wineserver -w
  mkdir -p "$dir/drive-p"
  ln -sfn "$dir/drive-p" "$WINEPREFIX/dosdevices/p:"
  add_caption_font
}

configure_prefix() {
  # Wine draws the window frames itself and keys reach the focused window
  # without a window manager; sound goes to the environment's own PulseAudio
  # server, never to a device of the machine; a crash ends the process at
  # once (the debugger is disabled) and shows no dialog.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d pulse /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
}

start_xvfb() {
  local dir=$1 fifo display
  fifo=$(mktemp -u); mkfifo "$fifo"
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$fifo" </dev/null >"$dir/xvfb.log" 2>&1 &
  echo $! >"$dir/xvfb.pid"
  read -r display <"$fifo"
  rm -f "$fifo"
  echo ":$display" >"$dir/display"
}

describe() {
  local version
  wine_environment "$1"
  version=$(wine --version 2>/dev/null) || version="no Wine"
  case "$(cat "$1/arch")" in
    win32) echo "$version, 32-bit loader" ;;
    win64) echo "$version, 64-bit" ;;
    wow64) echo "$version of the Debian 13 root, WoW64 mode (32-bit programs in a 64-bit process)" ;;
  esac
}

# The server's runtime, state and configuration folders are all DIR/pulse.
pulse_server() {
  local pulse=$1; shift
  env -u DISPLAY -u DBUS_SESSION_BUS_ADDRESS XDG_CONFIG_HOME="$pulse" \
    PULSE_RUNTIME_PATH="$pulse" PULSE_STATE_PATH="$pulse" pulseaudio "$@"
}

# A null sink behind a socket in DIR/pulse, no authentication. Shared memory
# is off on both sides: with it, blocks of the game's sounds were lost.
start_audio() {
  local pulse=$1/pulse
  rm -rf "$pulse"; mkdir -p "$pulse"
  printf 'load-module module-null-sink\nload-module module-native-protocol-unix socket=%s %s\n' \
    "$pulse/socket" 'auth-anonymous=1 auth-cookie-enabled=0' >"$pulse/server.pa"
  printf 'autospawn = no\nenable-shm = no\nenable-memfd = no\ncookie-file = %s\n' \
    "$pulse/cookie" >"$pulse/client.conf"
  pulse_server "$pulse" --daemonize=yes --exit-idle-time=-1 -n -F "$pulse/server.pa" \
    --disable-shm=yes --enable-memfd=no --log-target="file:$pulse/server.log" --log-level=info \
    </dev/null >/dev/null
}

# --kill checks that the pid file names a PulseAudio process; waiting for its
# end keeps it from removing the socket of a server started next.
stop_audio() {
  local pulse=$1/pulse pid
  pid=$(cat "$pulse/pid" 2>/dev/null) || return 0
  pulse_server "$pulse" --kill 2>/dev/null || return 0
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
}

stop_all() {
  local dir=$1
  wine_environment "$dir"
  [ -d "$WINEPREFIX" ] && wineserver -k >/dev/null 2>&1 || true
  stop_audio "$dir"
  if [ -f "$dir/xvfb.pid" ]; then
    kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    rm -f "$dir/xvfb.pid" "$dir/display"
  fi
}

case "${1:-}" in
  environment)
    wine_environment "$2" ;;
  prepare)
    dir=$(mkdir -p "$2" && cd "$2" && pwd)
    use_arch "$dir" "${3:-win32}"
    wine_environment "$dir"
    unset DISPLAY
    create_prefix "$dir" ;;
  start)
    dir=$(mkdir -p "$2" && cd "$2" && pwd)
    use_arch "$dir" "${3:-win32}"
    stop_all "$dir"
    start_xvfb "$dir"
    start_audio "$dir"
    wine_environment "$dir"
    create_prefix "$dir"
    setsid wineserver -p </dev/null >/dev/null 2>&1
    configure_prefix
    echo "Wine environment ready: prefix $WINEPREFIX, display $DISPLAY, $(describe "$dir")" ;;
  stop)
    stop_all "$2" ;;
  describe)
    describe "$2" ;;
  resolve)
    resolve_arch "$2" ;;
  *)
    echo "usage: $0 start|prepare DIR [win32|win64|wow64] | stop DIR | describe DIR | resolve ARCH" >&2; exit 2 ;;
esac
