#!/usr/bin/env bash
# Installs Kalvix for the current user, or removes it again.
#   tools/install-kalvix.sh install   BUILD_DIR PROGRAM_DIR
#   tools/install-kalvix.sh uninstall BUILD_DIR PROGRAM_DIR
# PROGRAM_DIR receives the executable and its visual-style library (the
# pictures are built into the program). The program keeps appointments.dat beside its executable, so the
# folder must stay writable by the user; uninstalling leaves that file (and
# any appointments.dat.bad copies) where they are.
# The menu entry goes to $XDG_DATA_HOME/applications, its AppStream
# description to $XDG_DATA_HOME/metainfo, the icons to
# $XDG_DATA_HOME/icons/hicolor and the autostart entry to
# $XDG_CONFIG_HOME/autostart (defaults ~/.local/share and ~/.config).
# The executable and its library are installed stripped.
set -euo pipefail

action=${1:?install or uninstall}
build=${2:?build folder}
prefix=$(realpath -m "${3:?program folder}")
here=$(cd "$(dirname "$0")/.." && pwd)
data_home=${XDG_DATA_HOME:-$HOME/.local/share}
config_home=${XDG_CONFIG_HOME:-$HOME/.config}
apps=$data_home/applications
icons=$data_home/icons/hicolor
autostart=$config_home/autostart
metainfo_dir=$data_home/metainfo
metainfo=example.brontal.kalvix.metainfo.xml
pictures=$here/resources/pictures/images
sizes=(16 22 24 32 48 64 256)

# The icon of one size: the program's own pictures, or the panel and menu
# sizes drawn for the desktop only.
icon_file() {
  for dir in "$pictures" "$here/resources/pictures/install"; do
    if [ -f "$dir/icon-$1.png" ]; then echo "$dir/icon-$1.png"; return; fi
  done
}

# The build's menu entry (filled in by CMake), started from the program
# folder rather than from the search path.
desktop_entry() {
  # Exec takes the path in double quotes, so spaces in it are fine; the
  # characters that would need escaping inside them are refused instead.
  case $prefix in *[\"\`\$\\]*) echo "Unsupported character in $prefix" >&2; exit 1;; esac
  local line
  while IFS= read -r line; do
    case $line in
      Exec=*) printf 'Exec="%s/kalvix"\n' "$prefix" ;;
      *) printf '%s\n' "$line" ;;
    esac
  done <"$build/desktop/kalvix.desktop"
}

case $action in
install)
  [ -x "$build/kalvix" ] && [ -f "$build/desktop/$metainfo" ] \
    || { echo "No program in $build: build it first (make build)" >&2; exit 1; }
  mkdir -p "$prefix" "$apps" "$autostart" "$metainfo_dir"
  # install(1) writes a new file and renames it, so a running copy keeps
  # its old executable until it ends.
  install -s -m 755 "$build/kalvix" "$prefix/kalvix"
  shopt -s nullglob
  for lib in "$build"/libkalvixtheme*.so*; do
    if [ -L "$lib" ]; then cp -P "$lib" "$prefix/"; else install -s -m 644 "$lib" "$prefix/"; fi
  done
  # The pictures are built into the program; a pictures folder left by an
  # older install is no longer read.
  rm -rf "$prefix/pictures"
  for size in "${sizes[@]}"; do
    icon=$(icon_file "$size")
    if [ -n "$icon" ]; then
      mkdir -p "$icons/${size}x$size/apps"
      install -m 644 "$icon" "$icons/${size}x$size/apps/kalvix.png"
    fi
  done
  install -m 644 "$build/desktop/$metainfo" "$metainfo_dir/$metainfo"
  desktop_entry >"$apps/kalvix.desktop"
  { desktop_entry; echo "X-GNOME-Autostart-enabled=true"; } >"$autostart/kalvix.desktop"
  command -v update-desktop-database >/dev/null && update-desktop-database -q "$apps" || true
  echo "Installed Kalvix in $prefix"
  echo "  menu entry  $apps/kalvix.desktop"
  echo "  autostart   $autostart/kalvix.desktop"
  echo "  appointments are kept in $prefix/appointments.dat"
  ;;
uninstall)
  rm -f "$prefix/kalvix" "$prefix"/libkalvixtheme*.so* "$apps/kalvix.desktop" "$autostart/kalvix.desktop" \
    "$metainfo_dir/$metainfo"
  rm -rf "$prefix/pictures"
  for size in "${sizes[@]}"; do
    rm -f "$icons/${size}x$size/apps/kalvix.png"
  done
  rmdir "$prefix" 2>/dev/null || true
  if [ -d "$prefix" ]; then
    echo "Removed Kalvix; your appointments stay in $prefix (appointments.dat)"
  else
    echo "Removed Kalvix"
  fi
  ;;
*)
  echo "usage: $0 install|uninstall BUILD_DIR PROGRAM_DIR" >&2
  exit 2
  ;;
esac
