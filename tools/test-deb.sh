#!/usr/bin/env bash
# Checks the Debian package with lintian, then tries it the way a user gets
# it, in a clean Debian 12 chroot: `apt install ./kalvix_*.deb`, the menu entry, icons and AppStream
# file in place, commands as an ordinary user with the appointments in
# ~/.local/share/kalvix, the window started on a virtual display (Xvfb on
# this machine, reached through the bind-mounted X socket), then
# `apt remove` takes every file of the package away and leaves the user's
# appointments.
#   tools/test-deb.sh BUILD_DIR
# Needs root and network access to deb.debian.org. The bare chroot is made
# once with debootstrap and kept in $KALVIX_CHROOT (default
# /var/tmp/kalvix-deb-chroot); every run works on a fresh copy of it.
set -euo pipefail

build=${1:?build folder holding kalvix_*.deb}
base=${KALVIX_CHROOT:-/var/tmp/kalvix-deb-chroot}
shots=${KALVIX_SHOTS:-$build}
[ "$(id -u)" -eq 0 ] || { echo "test-deb.sh needs root (chroot, mounts)" >&2; exit 1; }
deb=$(ls "$build"/kalvix_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "No kalvix_*.deb in $build: run make deb first" >&2; exit 1; }
for tool in debootstrap Xvfb xwininfo lintian; do
  command -v "$tool" >/dev/null || { echo "test-deb.sh needs $tool (tools/install-deps.sh package)" >&2; exit 1; }
done

# Debian's own checks first: any error fails the test; the warnings and
# notes are shown.
echo "== lintian $(basename "$deb")"
lintian --fail-on error --display-info "$deb"

if [ ! -x "$base/usr/bin/apt-get" ]; then
  rm -rf "$base.new"
  debootstrap --variant=minbase bookworm "$base.new" http://deb.debian.org/debian
  mv "$base.new" "$base"
fi

root=$(mktemp -d /var/tmp/kalvix-deb-test.XXXXXX)
display=:$((90 + RANDOM % 9))
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  for m in tmp/.X11-unix dev/pts dev proc; do umount "$root/$m" 2>/dev/null || true; done
  rm -rf "$root"
}
trap cleanup EXIT
cp -a "$base/." "$root/"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }
as_user() { chroot --userspec=1000:1000 "$root" env -i PATH=/usr/bin:/bin HOME=/home/user USER=user LANG=C.UTF-8 "$@"; }
fail() { echo "FAIL: $*" >&2; exit 1; }

echo "== apt install ./$(basename "$deb")"
in_root apt-get update -q >/dev/null
in_root apt-get install -y -q "./tmp/$(basename "$deb")" >/dev/null
in_root useradd -m -u 1000 user

echo "== files in place"
program_dir=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed -n 's|^\.\(/usr/lib/.*\)/kalvix$|\1|p')
[ -n "$program_dir" ] || fail "the package holds no program folder"
for f in /usr/bin/kalvix $program_dir/kalvix /usr/share/applications/kalvix.desktop /usr/share/man/man1/kalvix.1.gz \
         /usr/share/metainfo/example.brontal.kalvix.metainfo.xml \
         /usr/share/icons/hicolor/22x22/apps/kalvix.png /usr/share/icons/hicolor/48x48/apps/kalvix.png; do
  [ -e "$root$f" ] || fail "$f missing"
done
grep -qx 'Exec=kalvix' "$root/usr/share/applications/kalvix.desktop" || fail "menu entry does not start kalvix"
file_info=$(file -b "$root$program_dir/kalvix" 2>/dev/null || true)
case $file_info in *"not stripped"*) fail "the program is not stripped";; esac

echo "== commands as a user, without a display"
# The package, the program and its AppStream file name the same version.
version=$(dpkg-deb -f "$deb" Version)
as_user kalvix --version | grep -qx "kalvix $version" || fail "--version does not say $version"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/example.brontal.kalvix.metainfo.xml" \
  || fail "the AppStream file's release is not $version"
as_user kalvix add 2030-01-01 10:00 "Package test" >/dev/null || fail "kalvix add"
[ -f "$root/home/user/.local/share/kalvix/appointments.dat" ] || fail "the data file is not in ~/.local/share/kalvix"
as_user kalvix list 2030-01-01 2030-01-01 | grep -q 'Package test' || fail "kalvix list"

echo "== the window on $display"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -S "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
chroot --userspec=1000:1000 "$root" env -i PATH=/usr/bin:/bin HOME=/home/user USER=user DISPLAY="$display" \
  kalvix >"$root/tmp/kalvix.log" 2>&1 &
app_pid=$!
shown=
for _ in $(seq 300); do
  if DISPLAY=$display xwininfo -root -tree 2>/dev/null | grep -q '"Brontal Kalvix'; then shown=1; break; fi
  sleep 0.1
done
[ -n "$shown" ] || { cat "$root/tmp/kalvix.log" >&2; fail "no Kalvix window appeared"; }
# A command while the window runs goes through it.
as_user kalvix add 2030-01-02 "While running" >/dev/null || fail "kalvix add beside the window"
as_user kalvix list 2030-01-01 2030-01-02 | grep -q 'While running' || fail "list through the window"
command -v import >/dev/null && DISPLAY=$display import -window root "$shots/deb-window.png" || true
kill -TERM "$app_pid"
wait "$app_pid" || true

echo "== apt remove"
in_root apt-get remove -y -q kalvix >/dev/null
for f in /usr/bin/kalvix $program_dir /usr/share/applications/kalvix.desktop \
         /usr/share/metainfo/example.brontal.kalvix.metainfo.xml /usr/share/icons/hicolor/48x48/apps/kalvix.png; do
  [ ! -e "$root$f" ] || fail "$f left behind"
done
[ -f "$root/home/user/.local/share/kalvix/appointments.dat" ] || fail "the user's appointments went with the package"
echo "PASS: installed, started and removed $(basename "$deb")"
