#!/bin/sh
# Renders the program's icon, resources/src/NubrelloIcon.svg, for the desktop's
# icon theme: desktop/icons/nubrello-<size>.png at each size the theme lists,
# the picture centred on a square of that size. The PNGs are committed.
set -eu

root=$(cd "$(dirname "$0")/../.." && pwd)
for size in 48 64 128 256; do
  rsvg-convert --format png --height "$size" "$root/resources/src/NubrelloIcon.svg" |
    convert png:- -background none -gravity center -extent "${size}x$size" -strip \
      "PNG32:$root/desktop/icons/nubrello-$size.png"
done
echo "rendered the icon into $root/desktop/icons"
