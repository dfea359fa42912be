#!/bin/sh
# Runs a test program on Wayland: a headless weston of its own (private
# runtime folder and socket) and Qt's Wayland plugin. Exit status 77 (a
# skip) where weston or the plugin is not installed.
set -u
command -v weston >/dev/null || { echo "weston is not installed"; exit 77; }
plugin=$(qtpaths6 --plugin-dir 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
[ -e "$plugin/platforms/libqwayland-generic.so" ] || { echo "Qt's Wayland plugin is not installed"; exit 77; }
runtime=$(mktemp -d)
trap 'kill $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=kalvix-test --idle-time=0 \
  --log="$runtime/weston.log" &
weston=$!
i=0
while [ ! -S "$runtime/kalvix-test" ]; do
  i=$((i + 1))
  [ $i -gt 600 ] && { echo "weston did not start:"; cat "$runtime/weston.log"; exit 1; }
  kill -0 $weston 2>/dev/null || { echo "weston ended:"; cat "$runtime/weston.log"; exit 1; }
  sleep 0.05
done
# Under the sanitizers: Qt's Wayland plugin sets up Mesa's EGL for every
# window, which keeps an allocation for the life of the process. It is made
# through code without frame pointers, so only the slow unwinder reaches the
# library that the suppressions name.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}fast_unwind_on_malloc=0"
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=kalvix-test QT_QPA_PLATFORM=wayland "$@"
