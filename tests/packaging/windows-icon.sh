#!/usr/bin/env bash
# The Windows icon is the one drawing too: every picture in the .ico shows
# what the SVG source gives at that size.
#   windows-icon.sh ICO SVG WORK
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/shell-test.sh"

require icotool icoutils
require rsvg-convert librsvg2-bin
ico=$1 svg=$2 work=$3
rm -rf "$work"
mkdir -p "$work"
icotool --extract --output="$work" "$ico"
sizes=""
for picture in "$work"/*.png; do
  size=$(basename "$picture" | sed -E 's/.*_([0-9]+)x[0-9]+x[0-9]+\.png$/\1/')
  sizes+="$size "
  rsvg-convert -w "$size" -h "$size" -o "$work/drawn-$size.svg.png" "$svg"
  compare_pictures same "$work/drawn-$size.svg.png" "$picture" \
    || fail "the ${size}-pixel picture of $ico is not the drawing"
done
expect_equal "sizes in the icon" "16 32 48 " "$sizes"
