#!/usr/bin/env bash
# Installs the Debian packages RangeDesk needs that are missing, then configures the build.
#   scripts/setup.sh          what building and running need
#   scripts/setup.sh --test   that, plus the test tools: the emulator of the kernel test, the
#                             fuzzing runtime, PDF and spreadsheet readers (LibreOffice among
#                             them), the package checks, the de_DE.UTF-8 locale that the exports
#                             are tested under, the display servers and mock D-Bus services of
#                             the typing tests, and the PostgreSQL server the team tests start
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  qt6-wayland libqt6sql6-sqlite libgl-dev libxlsxwriter-dev
  fonts-liberation fonts-wqy-microhei sqlite3 dpkg-dev
  libxtst-dev libx11-xcb-dev libxkbcommon-dev libxkbcommon-x11-dev xkb-data
  libwayland-dev libwayland-bin
  libpq-dev libqt6sql6-psql qtkeychain-qt6-dev
)
if [ "${1:-}" = "--test" ]; then
  packages+=(
    clang libclang-rt-14-dev
    python3 python3-xlrd python3-openpyxl poppler-utils libreoffice-calc-nogui locales
    qemu-system-x86 busybox-static cpio kmod
    lintian desktop-file-utils appstream
    xvfb x11-xkb-utils sway dbus-daemon python3-dbusmock
    at-spi2-core python3-pyatspi dbus-x11
    postgresql openssl
  )
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" ||
    { $sudo apt-get update -q && $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"; }
fi

# A decimal-comma locale, for the tests that export under one.
if [ "${1:-}" = "--test" ] && ! locale -a | grep -qix 'de_DE\.utf-\?8'; then
  sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "setup: generating the de_DE.UTF-8 locale"
  if grep -q '^# *de_DE.UTF-8 UTF-8' /etc/locale.gen; then
    $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  fi
  $sudo locale-gen
fi

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
