#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG (needs ImageMagick).
set -euo pipefail
icons="$(cd "$(dirname "$0")/../data/icons" && pwd)"
for size in 16 32 48 64 128 256; do
    convert -background none -density 300 "$icons/varimonde-setup.svg" \
        -resize "${size}x${size}" "$icons/varimonde-setup-$size.png"
done
