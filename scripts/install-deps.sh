#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# skipping those already present. Uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config clang libclang-rt-14-dev clang-tidy clang-format
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev
  libqt6sql6-sqlite libqt6sql6-psql postgresql libpq-dev
  qt6-charts-dev libqt6charts6 libqt6opengl6-dev
  libgtest-dev googletest
  fonts-liberation2 fonts-comic-neue
  xvfb xauth xdotool x11-utils imagemagick poppler-utils python3 libsm-dev libice-dev
  qt6-wayland weston
  cups printer-driver-cups-pdf libcups2-dev
  dpkg-dev desktop-file-utils appstream libx11-dev lintian
  libcanberra-dev libcanberra-pulse sound-theme-freedesktop pulseaudio pulseaudio-utils
  dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0
  orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
)

missing=()
for pkg in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
