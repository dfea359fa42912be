#!/usr/bin/env bash
# Installs the Debian packages Kalvix needs, and nothing when all are present.
#   tools/install-deps.sh build   what building and running needs
#   tools/install-deps.sh test    the above plus what the test suites need
#   tools/install-deps.sh package the above plus what make test-deb needs
set -euo pipefail

build_pkgs=(qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools libjpeg62-turbo-dev libsm-dev libice-dev libdbus-1-dev libgl-dev libxcb1-dev libfontconfig-dev pkg-config fonts-dejavu-core fonts-liberation libical-dev)
test_pkgs=(fonts-dejavu-extra xvfb xauth xdotool x11-utils openbox trayer imagemagick clang clang-format-14 libclang-rt-14-dev python3 python3-pil python3-icalendar radicale khal vdirsyncer calcurse dbus-daemon dbus-bin dunst at-spi2-core python3-gi gir1.2-atspi-2.0 appstream desktop-file-utils file weston qt6-wayland qt6-translations-l10n dbus-x11)
package_pkgs=(debootstrap lintian)

want=("${build_pkgs[@]}")
case ${1:-build} in
  test) want+=("${test_pkgs[@]}") ;;
  package) want+=("${test_pkgs[@]}" "${package_pkgs[@]}") ;;
esac

missing=()
for p in "${want[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
