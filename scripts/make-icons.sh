#!/usr/bin/env bash
# Renders the icon's PNG sizes from data/icons/plugwright.svg into data/icons/<N>x<N>/, and the
# Windows programs' icon data/icons/plugwright.ico from them.
# The PNGs and the .ico are committed: desktops that draw no SVG icons (and small sizes, where a
# scaled SVG blurs) take them, and the build needs no SVG renderer. Run it again after changing
# the SVG; the same SVG gives the same files.
set -euo pipefail
cd "$(dirname "$0")/.."

command -v rsvg-convert >/dev/null && command -v icotool >/dev/null ||
  bash scripts/install-deps.sh --package

for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "data/icons/${size}x${size}"
  rsvg-convert --width "$size" --height "$size" --output "data/icons/${size}x${size}/plugwright.png" \
    data/icons/plugwright.svg
done

# The sizes Windows asks for (Explorer's views, the taskbar, Alt+Tab at each scale); 22 is a
# Linux panel size only. 256 goes in as PNG, which Windows reads since Vista: as a bitmap it alone
# would take 264 KiB.
ico_images=()
for size in 16 24 32 48 64 128; do
  ico_images+=("data/icons/${size}x${size}/plugwright.png")
done
icotool --create --output data/icons/plugwright.ico "${ico_images[@]}" \
  --raw=data/icons/256x256/plugwright.png
