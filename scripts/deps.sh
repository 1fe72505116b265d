#!/usr/bin/env bash
# Installs the Debian packages the suite builds and tests with, and any extra packages named as
# arguments (the fuzzing and benchmark scripts add theirs), only those that are missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev qt6-translations-l10n
  libwmf-dev libemf2svg-dev librsvg2-dev fonts-urw-base35
  libpixman-1-dev libjpeg-dev libgif-dev libfreetype-dev libfontconfig-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-multimedia-dev gstreamer1.0-plugins-good gstreamer1.0-plugins-base
  xvfb xauth x11-utils imagemagick poppler-utils fonts-dejavu-core
  qt6-svg-dev help2man desktop-file-utils appstream strace
  libopencv-objdetect-dev libopencv-photo-dev opencv-data
  "$@"
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
