#!/usr/bin/env bash
# Draws the program icons from the vector sources in tools/icons/ (ImageMagick's
# own drawing language, so nothing beyond ImageMagick is needed):
#   announcer/resources/azaan_{16,32,64}.png   (the announcer's program and tray icon)
#   calculator/resources/velstra_{16,32,64}.png (the calculator's window icon)
# Needs ImageMagick's convert (Debian: imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

draw() {  # source.mvg output-prefix
  local source=$1 prefix=$2
  # Drawn at four times the size and scaled down, so the small sizes stay smooth.
  { echo "scale 4,4"; grep -v '^viewbox' "$source"; } >"$work/big.mvg"
  convert -size 256x256 xc:none -draw "$(grep -v '^#' "$work/big.mvg")" "PNG32:$work/big.png"
  for size in 16 32 64; do
    convert "$work/big.png" -filter Lanczos -resize "${size}x${size}" \
      -define png:exclude-chunks=date,time -strip "PNG32:${prefix}_${size}.png"
  done
}

draw tools/icons/azaan.mvg announcer/resources/azaan
draw tools/icons/velstra.mvg calculator/resources/velstra
ls -l announcer/resources/azaan_*.png calculator/resources/velstra_*.png
