#!/usr/bin/env bash
# Gives a Wine prefix the faces the editor's window names, so that it looks the same on every
# machine: fonts-wine's Tahoma and MS Sans Serif go into the prefix's Windows font folder, the one
# place this Wine reads them from (it does not read /usr/share/wine/fonts, where fonts-wine puts
# them); Arial's stand-in, fonts-liberation's Liberation Sans, comes through fontconfig.
#   bash tests/windows/prefix_fonts.sh WINEPREFIX
set -euo pipefail
fonts=${1:?usage: prefix_fonts.sh WINEPREFIX}/drive_c/windows/Fonts
mkdir -p "$fonts"
for face in tahoma.ttf tahomabd.ttf ms_sans_serif.ttf; do
  if [ ! -f "/usr/share/wine/fonts/$face" ]; then
    echo "prefix_fonts: /usr/share/wine/fonts/$face is missing (scripts/install-deps.sh --windows installs fonts-wine)" >&2
    exit 1
  fi
  cp "/usr/share/wine/fonts/$face" "$fonts/"
done
