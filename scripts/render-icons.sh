#!/usr/bin/env bash
# Renders data/icons/busquery.svg into the PNG sizes the desktop install and the window use.
# Needs rsvg-convert (apt-get install librsvg2-bin). Run it after changing the SVG and commit
# the PNGs with it.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
if ! command -v rsvg-convert >/dev/null; then
    echo "render-icons.sh needs rsvg-convert: apt-get install librsvg2-bin" >&2
    exit 2
fi
for size in 48 128 256; do
    rsvg-convert -w "$size" -h "$size" busquery.svg -o "busquery-$size.png"
done
echo "rendered busquery-{48,128,256}.png"
