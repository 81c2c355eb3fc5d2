#!/bin/sh
# Renders every picture source resources/src/<name>.svg to resources/<name>.png
# at the size the source gives, and to resources/<name>@2x.png at twice that
# size for screens of two device pixels a unit. The PNG names are the ones the
# program opens; the framework finds the @2x beside each. Every PNG is written
# with an alpha channel, opaque pictures included, since the program takes a
# picture's mask from its alpha.
set -eu

resources=$(cd "$(dirname "$0")/../../resources" && pwd)
for source in "$resources"/src/*.svg; do
  name=$(basename "$source" .svg)
  rsvg-convert --format png "$source" | convert png:- -strip "PNG32:$resources/$name.png"
  rsvg-convert --format png --zoom 2 "$source" | convert png:- -strip "PNG32:$resources/$name@2x.png"
done
echo "rendered $(ls "$resources"/src/*.svg | wc -l) pictures into $resources, each also at 2x"
