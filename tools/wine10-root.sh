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
# It is made from the Debian mirror that this machine's own apt uses, through
# apt's proxy for it (tools/apt_mirror.py), or else from debootstrap's default.
set -euo pipefail

root=/var/lib/puzzle/wine10-root
suite=trixie
packages=(wine wine64 libwine fonts-wine libpulse0 ca-certificates)
# Debian's 64-bit Wine looks for the 32-bit PE libraries here; they ship in
# libwine:i386, whose Linux half is never installed.
wow64_dir=/usr/lib/x86_64-linux-gnu/wine/i386-windows
stamp=$root/.puzzle-ready
proxy_conf=$root/etc/apt/apt.conf.d/90puzzle-proxy
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

# The mirror and proxy of the machine's apt, each empty where there is none.
pick_mirror() {
  local picked
  picked=$(python3 "$project/tools/apt_mirror.py")
  mirror=$(sed -n 1p <<<"$picked") proxy=$(sed -n 2p <<<"$picked")
  recipe="$suite mirror=${mirror:-default} proxy=${proxy:-none} ${packages[*]} i386-windows"
}

recorded_mirror() {
  sed -n '1s/.* mirror=\([^ ]*\) .*/\1/p' "$stamp" 2>/dev/null
}

# debootstrap into $root, from MIRROR if one is given.
debootstrap_root() {
  local proxy_env=()
  [ -z "$proxy" ] || proxy_env=(http_proxy="$proxy" https_proxy="$proxy")
  rm -rf "$root.new"
  env "${proxy_env[@]}" debootstrap --variant=minbase "$suite" "$root.new" "$@" >>"$root.log" 2>&1 &&
    mv "$root.new" "$root"
}

bootstrap() {
  echo "Making the Wine 10 root in $root (a few minutes, once)"
  : >"$root.log"
  if [ -n "$mirror" ]; then
    debootstrap_root "$mirror" && return
    echo "debootstrap could not make the root from $mirror (see $root.log): trying its default mirror"
  else
    echo "The machine's apt names no usable Debian mirror: using debootstrap's default"
  fi
  debootstrap_root ||
    { echo "debootstrap failed: see $root.log" >&2; rm -rf "$root.new"; return 1; }
}

# A root made from another mirror is pointed at the machine's.
point_sources() {
  [ -z "$mirror" ] || [ "$(recorded_mirror)" = "$mirror" ] ||
    echo "deb $mirror $suite main" >"$root/etc/apt/sources.list"
}

point_proxy() {
  if [ -n "$proxy" ]; then
    printf 'Acquire::http::Proxy "%s";\n' "$proxy" >"$proxy_conf"
  else
    rm -f "$proxy_conf"
  fi
}

# The root trusts the certificate authorities added to the machine's own (a
# firewall's that inspects https, say), as apt there does for an https mirror.
trust_added_authorities() {
  local added=/usr/local/share/ca-certificates
  [ -d "$added" ] && [ -x "$root/usr/sbin/update-ca-certificates" ] || return 0
  rm -rf "${root:?}$added" && cp -a "$added" "$root$added"
  in_root /usr/sbin/update-ca-certificates >/dev/null
}

root_mirror() {
  sed -n 's/^\(deb\|URIs:\) \+\([^ []*\).*/\2/p' "$root/etc/apt/sources.list" \
    "$root"/etc/apt/sources.list.d/* 2>/dev/null | head -n 1
}

up_to_date() {
  [ -f "$stamp" ] && [ "$(head -n 1 "$stamp")" = "$recipe" ] &&
    [ -z "$(find "$stamp" -mtime +"$refresh_days")" ]
}

make_root() {
  [ -f "$stamp" ] || rm -rf "$root"  # a root left half made is made again
  # Without a mirror of the machine's, a root made from one is made anew from the default.
  [ -n "$mirror" ] || [ "$(recorded_mirror)" = default ] || rm -rf "$root"
  # apt in the root reaches an https mirror only with its CA certificates.
  [[ $mirror != https:* ]] || [ -e "$root/etc/ssl/certs/ca-certificates.crt" ] || rm -rf "$root"
  if [ -d "$root" ]; then point_sources; else bootstrap; fi
  point_proxy
  trust_added_authorities
  echo "Bringing the Wine 10 root up to date from $(root_mirror)${proxy:+ through ${proxy##*@}}"
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
    pick_mirror
    up_to_date || make_root ;;
  ready)
    [ -f "$stamp" ] && [ "$(id -u)" -eq 0 ] ;;
  exec)
    shift
    exec "${enter_root[@]}" sh -c 'cd "$0" && exec "$@"' "$PWD" env PATH=/usr/bin:/bin "$@" ;;
  *)
    echo "usage: $0 make | ready | exec COMMAND..." >&2; exit 2 ;;
esac
