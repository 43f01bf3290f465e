#!/usr/bin/env bash
# Photographs the editor under Xvfb with the selection-list example loaded from the command line,
# into docs/screenshot-plugin.png (an item without a selection list chosen) and
# docs/screenshot-selection-list.png (an item with one chosen, the window wide). Run it again
# whenever the window changes, and commit the pictures.
#   bash scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != --inside-display ]; then
  bash scripts/install-deps.sh --package --screenshots
  cmake -S . -B build-rel -DCMAKE_BUILD_TYPE=Release -DPLUGWRIGHT_BUILD_TESTS=OFF >/dev/null
  cmake --build build-rel -j "$(nproc)" --target plugwright plugwright-cli
  exec xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -nolisten tcp" \
    bash "$0" --inside-display
fi

work=$(mktemp -d)
editor_pid=
finish() {
  [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT
export XDG_RUNTIME_DIR=$work/runtime XDG_DATA_HOME=$work/data QT_QPA_PLATFORM=xcb
mkdir -m 700 "$XDG_RUNTIME_DIR"

build-rel/cli/plugwright-cli build examples/selection_list.json --dir "$work" >/dev/null
build-rel/app/plugwright "$work/selection_list/selection_list.qvx" &
editor_pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Qorvix Plugwright$' | head -n 1)
sleep 1

width() { xwininfo -id "$window" | awk '/Width:/ {print $2}'; }
# The first line of the item list; choosing it loads the item with the selection list.
xdotool mousemove --window "$window" 60 234 click 1
sleep 1
if [ "$(width)" != 767 ]; then
  echo "screenshots.sh: the click at the first item line did not open the selection list;" \
    "the item list has moved: update the coordinates" >&2
  exit 1
fi
import -window "$window" docs/screenshot-selection-list.png
xdotool key --window "$window" Down
sleep 1
import -window "$window" docs/screenshot-plugin.png
echo "docs/screenshot-plugin.png docs/screenshot-selection-list.png"
