#!/usr/bin/env bash
# Installs every system package that building, testing and running the
# YQ design calculator needs. Run as root (or with sudo available).
# Packages that are already installed are skipped.
set -euo pipefail

PACKAGES=(
  # build
  cmake g++ ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6
  libboost-dev libgmp-dev libsqlite3-dev libuemf-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev python3
  # the formatting check of the test command
  clang-format-14
  # fuzz targets (libFuzzer with clang)
  clang libclang-rt-14-dev
  # running and looking at the program
  xvfb xauth x11-utils xdotool imagemagick poppler-utils
  fonts-liberation2 xdg-utils
  # the windows read through the accessibility bus, as a screen reader does
  dbus at-spi2-core python3-gi gir1.2-atspi-2.0
  # the windows' contrast checked under the GTK theme, light and dark
  qt6-gtk-platformtheme gnome-themes-extra
  # the windows natively on Wayland, in a headless compositor
  qt6-wayland weston
  # the NEC-2 simulation of a design (run as a separate program) and its tests
  nec2c
  # the manual pages, made from the programs' --help at build time
  help2man
  # the translations: lupdate and lrelease through CMake, Qt's own dialogs'
  # translations, and a font with the Japanese letters
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-noto-cjk
  # the desktop entry and the metainfo validated in every language
  desktop-file-utils appstream
)

# Checking exported documents in a word processor (RTF -> PDF); only with
# YQ_CHECK_TOOLS=1, since building and testing do not need it.
if [ "${YQ_CHECK_TOOLS:-0}" = "1" ]; then
  PACKAGES+=(libreoffice-writer)
fi

# Building and checking the Debian package (scripts/package.sh,
# scripts/check-package.sh); only with YQ_PACKAGE_TOOLS=1, since building
# and testing do not need them. Claws Mail is one real mail program to try
# the compose hand-over with.
if [ "${YQ_PACKAGE_TOOLS:-0}" = "1" ]; then
  PACKAGES+=(dpkg-dev fakeroot lintian desktop-file-utils appstream file claws-mail mmdebstrap)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
