#!/usr/bin/env bash
# The Debian 13 root that holds Wine 10, which runs 32-bit Windows programs in
# its WoW64 mode: inside a 64-bit Wine process, with no 32-bit Linux code, so
# also on machines whose kernel refuses 32-bit programs.
#   wine10-root.sh make             create the root, or bring it up to date
#   wine10-root.sh ready            exit 0 when the root can run programs here
#                                   (it takes root's rights, as making it does)
#   wine10-root.sh exec COMMAND...  run COMMAND inside the root, in the current
#                                   directory, with the same environment
# The root lives outside every build tree, so that it outlasts them. Inside
# it the project's tree, /tmp, /dev and /proc are the host's own, at the same
# paths: a program there sees the same files, Wine prefixes and X displays.
set -euo pipefail

root=/var/lib/puzzle/wine10-root
suite=trixie
mirror=http://deb.debian.org/debian
packages=(wine wine64 libwine fonts-wine libpulse0)
# Debian's 64-bit Wine looks for the 32-bit PE libraries here; they ship in
# libwine:i386, whose Linux half is never installed.
wow64_dir=/usr/lib/x86_64-linux-gnu/wine/i386-windows
recipe="$suite ${packages[*]} i386-windows"
stamp=$root/.puzzle-ready
project=$(cd "$(dirname "$0")/.." && pwd)
refresh_days=7

# Run by sh in a mount namespace of its own: ROOT PROJECT COMMAND...
enter='root=$1; shift
  mount --rbind /proc "$root/proc" && mount --rbind /dev "$root/dev" &&
    mount --bind /tmp "$root/tmp" && mkdir -p "$root$1" && mount --bind "$1" "$root$1" &&
    shift && exec chroot "$root" "$@"'

enter_root=(unshare --mount --propagation private sh -c "$enter" sh "$root" "$project")

in_root() {
  "${enter_root[@]}" "$@"
}

apt_in_root() {
  in_root env DEBIAN_FRONTEND=noninteractive PATH=/usr/sbin:/usr/bin:/sbin:/bin apt-get "$@"
}

# libwine:i386 unpacked, its PE libraries copied where 64-bit Wine looks.
add_32_bit_libraries() {
  local cache=/var/cache/puzzle-i386
  in_root sh -c "set -e; dpkg --add-architecture i386; apt-get update -qq
    rm -rf $cache; mkdir -p $cache; cd $cache; apt-get download -qq libwine:i386 2>/dev/null
    dpkg-deb -x libwine_*_i386.deb unpacked
    cp -a unpacked/usr/lib/i386-linux-gnu/wine/i386-windows/. $wow64_dir/
    cd /; rm -rf $cache"
}

up_to_date() {
  [ -f "$stamp" ] && [ "$(head -n 1 "$stamp")" = "$recipe" ] &&
    [ -z "$(find "$stamp" -mtime +"$refresh_days")" ]
}

make_root() {
  [ -f "$stamp" ] || rm -rf "$root"  # a root left half made is made again
  if [ ! -d "$root" ]; then
    echo "Making the Wine 10 root in $root (a few minutes, once)"
    mkdir -p "$(dirname "$root")"
    debootstrap --variant=minbase "$suite" "$root.new" "$mirror" >"$root.log" 2>&1 ||
      { echo "debootstrap failed: see $root.log" >&2; rm -rf "$root.new"; return 1; }
    mv "$root.new" "$root"
  fi
  echo "Bringing the Wine 10 root up to date"
  apt_in_root update -qq
  apt_in_root install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
  apt_in_root upgrade -y -qq >/dev/null
  add_32_bit_libraries
  apt_in_root clean
  # The 32-bit loader would let Wine run the program outside WoW64.
  rm -f "$root/usr/lib/wine/wine"
  rm -rf "$root/usr/lib/i386-linux-gnu/wine/i386-unix"
  printf '%s\n%s\n' "$recipe" "$(in_root /usr/lib/wine/wine64 --version)" >"$stamp"
}

case "${1:-}" in
  make)
    [ "$(id -u)" -eq 0 ] || { echo "Making the Wine 10 root takes root's rights." >&2; exit 1; }
    mkdir -p "$(dirname "$root")"
    exec 9>"$root.lock"
    flock 9
    up_to_date || make_root ;;
  ready)
    [ -f "$stamp" ] && [ "$(id -u)" -eq 0 ] ;;
  exec)
    shift
    exec "${enter_root[@]}" sh -c 'cd "$0" && exec "$@"' "$PWD" env PATH=/usr/bin:/bin "$@" ;;
  *)
    echo "usage: $0 make | ready | exec COMMAND..." >&2; exit 2 ;;
esac
