#!/bin/sh
# Draws the application icon (a rising three-colour line on a small grid) at every size the
# desktop needs, in 16 colours. Needs ImageMagick; the results are kept in resources/icons.
set -e
out=$(dirname "$0")/../resources/icons
for s in 16 32 48 128; do
  convert -size 32x32 xc:white \
    -fill none -stroke '#c0c0c0' -strokewidth 1 \
    -draw "line 4,4 4,28" -draw "line 16,4 16,28" -draw "line 28,4 28,28" \
    -draw "line 4,4 28,4" -draw "line 4,16 28,16" -draw "line 4,28 28,28" \
    -strokewidth 3 \
    -stroke '#0000ff' -draw "line 4,28 14,25" \
    -stroke '#00c000' -draw "line 14,25 22,17" \
    -stroke '#ff0000' -draw "line 22,17 28,4" \
    -stroke '#ff8c00' -strokewidth 2 -fill none -draw "rectangle 1,1 30,30" \
    -filter point -resize "${s}x${s}" -colors 16 "PNG8:$out/zarvok-$s.png"
done
