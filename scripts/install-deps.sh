#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Does nothing when every package is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev libqt6svg6
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  clang libclang-rt-dev
  fonts-liberation fonts-comic-neue fonts-dejavu-core
  xvfb xauth xdotool trayer x11-utils imagemagick xdg-utils libglib2.0-bin file
  tesseract-ocr tesseract-ocr-eng
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
