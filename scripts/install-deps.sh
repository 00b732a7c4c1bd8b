#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need,
# only those that are missing, and generates the locale ru_RU.UTF-8 when it is
# missing. Runs apt-get and locale-gen as root, or through sudo.
set -euo pipefail

packages=(
  # build
  cmake g++ ninja-build pkg-config
  qt6-base-dev qt6-serialport-dev qt6-multimedia-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # the fuzz build (clang with libFuzzer) and the format check
  clang libclang-rt-14-dev clang-format
  # a locale whose decimal separator is a comma, for the tests of number texts
  locales
  # run: Qt Multimedia's backend, fonts with Cyrillic (Liberation Sans has Arial's metrics)
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  fonts-dejavu-core fonts-liberation
  # run: Qt's own texts (buttons, file and print dialogs) in Russian
  qt6-translations-l10n
  # end-to-end tests: the window on a display of its own, its buttons found through the
  # accessibility bus and clicked with the pointer
  xvfb dbus at-spi2-core python3-pyatspi xdotool
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qix 'ru_RU.utf8'; then
  echo "Generating the locale ru_RU.UTF-8"
  grep -qx 'ru_RU.UTF-8 UTF-8' /etc/locale.gen ||
    echo 'ru_RU.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  "${as_root[@]}" locale-gen >/dev/null
fi
