#!/usr/bin/env bash
# Synthesises the announcer's two calls, fajr.mp3 (about 12 s) and other.mp3
# (about 8 s): calm bell chimes, mono, 48 kbit/s. The mp3s are committed, so the
# build never runs this; to remake them it needs the Debian packages
#   sox libsox-fmt-all lame
# Output is repeatable (sox -R: no random dither).
set -euo pipefail
cd "$(dirname "$0")/.."
out=announcer/delivered
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rate=22050

times() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a * b }'; }

# One bell stroke: a fundamental and two softer inharmonic partials, struck
# and left to ring out.
bell() {  # name frequency seconds
  local name=$1 f=$2 len=$3
  sox -R -n -r $rate -c 1 "$work/$name-a.wav" synth "$len" sine "$f" fade l 0.004 "$len" "$len"
  sox -R -n -r $rate -c 1 "$work/$name-b.wav" synth "$len" sine "$(times "$f" 2.76)" \
    fade l 0.004 "$len" "$(times "$len" 0.99)" vol 0.35
  sox -R -n -r $rate -c 1 "$work/$name-c.wav" synth "$len" sine "$(times "$f" 5.40)" \
    fade l 0.002 "$len" "$(times "$len" 0.99)" vol 0.12
  sox -R -m "$work/$name-a.wav" "$work/$name-b.wav" "$work/$name-c.wav" "$work/$name.wav"
}

# A phrase: strokes at the given start times (seconds), then a soft room.
phrase() {  # output total-seconds "freq@start" ...
  local target=$1 total=$2; shift 2
  local parts=() i=0
  for stroke in "$@"; do
    local f=${stroke%@*} start=${stroke#*@}
    bell "s$i" "$f" 4.5
    sox -R "$work/s$i.wav" "$work/p$i.wav" pad "$start" 0
    parts+=("$work/p$i.wav")
    i=$((i + 1))
  done
  if [ ${#parts[@]} -gt 1 ]; then
    sox -R -m "${parts[@]}" "$work/mix.wav"
  else
    cp "${parts[0]}" "$work/mix.wav"
  fi
  sox -R -V1 "$work/mix.wav" "$work/room.wav" reverb 40 50 60 gain -n -3 \
    trim 0 "$total" fade t 0 "$total" 1.5 remix 1
  lame --quiet -m m -b 48 --resample 22.05 "$work/room.wav" "$target"
}

# Pentatonic, slow and falling to rest: D4 E4 G4 A4 G4 D4.
phrase "$out/fajr.mp3" 12 293.66@0 329.63@1.6 392.00@3.2 440.00@4.8 392.00@6.4 293.66@8.0
# Shorter: G4 A4 D4 with a last low G3.
phrase "$out/other.mp3" 8 392.00@0 440.00@1.4 293.66@2.8 196.00@4.2

ls -l "$out/fajr.mp3" "$out/other.mp3"
