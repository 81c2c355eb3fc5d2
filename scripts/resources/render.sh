#!/bin/sh
# Renders every picture source resources/src/<name>.svg to resources/<name>.png
# at the size the source gives. The PNG names are the ones the program opens.
# Every PNG is written with an alpha channel, opaque pictures included, since
# the program takes a picture's mask from its alpha.
set -eu

resources=$(cd "$(dirname "$0")/../../resources" && pwd)
for source in "$resources"/src/*.svg; do
  name=$(basename "$source" .svg)
  rsvg-convert --format png "$source" | convert png:- -strip "PNG32:$resources/$name.png"
done
echo "rendered $(ls "$resources"/src/*.svg | wc -l) pictures into $resources"
