#!/usr/bin/env bash
# Installs every Debian 12 package the project needs to build, run and test.
# Run as root (or through sudo) on a fresh machine; safe to run again.
set -euo pipefail

packages=(
  # toolchain
  cmake ninja-build g++ ccache pkg-config git
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # fuzz target of the network frame parser (libFuzzer)
  clang libclang-rt-14-dev
  # the tree's formatter (scripts/check-format.sh)
  clang-format
  # Qt 6 (widgets, uic/moc/rcc, networking for the crash reporter)
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev-tools qt6-l10n-tools libgl-dev
  libqt6svg6 qt6-qpa-plugins
  # libraries
  libtinyxml2-dev zlib1g-dev libminizip-dev libhpdf-dev libsdl2-mixer-dev
  libavahi-compat-libdnssd-dev libtnt-dev libjama-dev
  # DNS-SD at run time (the program loads libdns_sd.so.1 when it is there)
  libavahi-compat-libdnssd1
  # the DNS-SD test between two network namespaces starts its own daemons
  avahi-daemon dbus iproute2 util-linux
  # installer side
  msitools libmsi-dev gcab wixl
  # fonts with the metrics of the classic Windows families
  fonts-liberation fonts-dejavu-core
  # headless display for GUI tests and screenshots; key presses for scripted play
  xvfb xauth x11-utils python3 xdotool imagemagick
  # build-time resources: card decks, SVG rendering, speech and sound effects
  kdegames-card-data-kf5 qt6-svg-dev librsvg2-bin espeak-ng sox libsox-fmt-mp3 lame
  # English translation of the forms (lrelease and its CMake package)
  qt6-tools-dev
  # PDF score sheet fonts and the tools that check the PDF
  fonts-cmu poppler-utils
  # crash reports: minidump reader, zip listing
  llvm unzip
)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
