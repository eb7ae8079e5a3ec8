#!/bin/sh
# kurvex --export on input that asks for too much: a y range of 1e-307,
# values at the ends of the doubles, and a Kurvex.ini with sizes, widths and
# tick counts of 32767 or 0. Every picture must be written within seconds
# and stay small; out-of-bounds settings give the default 640 x 520 picture.
# Arguments: the kurvex program, a scratch folder.
. "$(dirname "$0")/common.sh"
printf '0 0\n1 1e-307\n' > tiny.dat
printf '0 -1e308\n1 1e308\n2 -1e10\n3 5\n' > huge.dat
printf '0 0\n1 1\n2 4\n3 2\n4 3\n' > small.dat

# export NAME DATA: writes NAME within 20 seconds, or reports a failure.
export_picture() {
  if ! timeout 20 "$kurvex" --export "$1" "$2" 2>/dev/null; then
    echo "$1 from $2: not written within 20 seconds"; failed=1; return 1
  fi
}

# at_most FILE BYTES
at_most() {
  size=$(wc -c < "$1")
  if [ "$size" -gt "$2" ]; then
    echo "$1 has $size bytes, expected at most $2"; failed=1
  fi
}

# png_size FILE: "WIDTHxHEIGHT" from the PNG header.
png_size() {
  set -- $(od -An -tu1 -j16 -N8 "$1")
  echo "$(( ($1 << 24) + ($2 << 16) + ($3 << 8) + $4 ))x$(( ($5 << 24) + ($6 << 16) + ($7 << 8) + $8 ))"
}

for data in tiny huge; do
  for ext in png svg emf; do
    export_picture "$data.$ext" "$data.dat" && at_most "$data.$ext" 1000000
  done
done

mkdir -p settings
cd settings || exit 1
for ini in \
  "[Plots]\nxWinSize= 32767\nyWinSize= 32767" \
  "[Plots]\nxWinSize= 0\nyWinSize= -5" \
  "[AxesSystems]\nnumTicks= 32767\nnumSubTicks= 32767" \
  "[Graphs]\nlineWidth= 32767\npointsSize= 32767\nmarkerSize= 32767\nshowPoints= SHOW\nshowMarker= SHOW"
do
  printf "$ini\n" > Kurvex.ini
  for ext in png svg emf; do
    export_picture "out.$ext" ../small.dat && at_most "out.$ext" 1000000
  done
  if [ -s out.png ] && [ "$(png_size out.png)" != "640x520" ]; then
    echo "with $(tr '\n' ' ' < Kurvex.ini): a picture of $(png_size out.png), expected 640x520"; failed=1
  fi
  rm -f out.png out.svg out.emf
done

if [ $failed -ne 0 ]; then exit 1; fi
echo "extreme input: ok"
