#!/usr/bin/env bash
# Installs the Debian packages the programs need, and only those that are missing.
#   install-deps.sh run    what building and running both programs needs
#   install-deps.sh test   that, plus the test, sanitizer, fuzzing and end-to-end tools
set -euo pipefail

mode=${1:-run}

# Building and running: compiler and build tools, Qt, sound, fonts, the desktop's opener.
packages=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-multimedia-dev libxcb1-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  fonts-liberation fonts-comic-neue fonts-dejavu-core
  xdg-utils file
)

case "$mode" in
  run) ;;
  test)
    packages+=(
      libgtest-dev libgmock-dev libbenchmark-dev
      clang libclang-rt-dev
      xvfb xdotool trayer x11-utils imagemagick libglib2.0-bin
      tesseract-ocr tesseract-ocr-eng
    )
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

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
