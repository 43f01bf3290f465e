#!/usr/bin/env bash
# Renders the icon's PNG sizes from data/icons/plugwright.svg into data/icons/<N>x<N>/.
# The PNGs are committed: desktops that draw no SVG icons (and small sizes, where a scaled SVG
# blurs) take them, and the build needs no SVG renderer. Run it again after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/.."

command -v rsvg-convert >/dev/null || bash scripts/install-deps.sh --package

for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "data/icons/${size}x${size}"
  rsvg-convert --width "$size" --height "$size" --output "data/icons/${size}x${size}/plugwright.png" \
    data/icons/plugwright.svg
done
