#!/usr/bin/env bash
# The Windows editor under Wine on Xvfb, as a user meets it: its window titled "Qorvix Plugwright"
# at the narrow size, an item added and the plugin saved beside the .exe; then the Linux build's
# plugwright-cli must open that package and find the item.
#   bash tests/windows/window_session.sh PLUGWRIGHT.EXE LINUX-PLUGWRIGHT-CLI
# Clicks go to fixed places: the window has a fixed size and layout, and the check of the saved
# package tells when a click missed.
set -euo pipefail
editor_exe=$(realpath "$1")
linux_cli=$(realpath "$2")

work=$(mktemp -d)
display_pid= editor_pid=
finish() {
  [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null
  [ -n "$display_pid" ] && kill "$display_pid" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT

export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
display=:$((100 + RANDOM % 400))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
display_pid=$!
export DISPLAY=$display
sleep 1
wineboot -i >/dev/null 2>&1 || true

cp "$editor_exe" "$work/plugwright.exe"
(cd "$work" && exec wine plugwright.exe) >/dev/null 2>&1 &
editor_pid=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Qorvix Plugwright$' | head -n 1)
sleep 2
size=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
if [ "$size" != 477x638 ]; then
  echo "window_session: the window is $size, not 477x638" >&2
  exit 1
fi

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.5; }
replace_text() { xdotool key ctrl+a 2>/dev/null; xdotool type --delay 20 "$1" 2>/dev/null; sleep 0.3; }
click 200 17 && replace_text "Vibra"        # item name
click 141 98 && replace_text "0x101F876E"   # UID
click 392 98 && replace_text "1"            # Key
click 48 199                                # "Add item"
click 193 542 && replace_text "my_tweak"    # Plugin file
click 127 570                               # "Save plugin"
package=$work/my_tweak/my_tweak.qvx
for _ in $(seq 30); do [ -f "$package" ] && break; sleep 0.5; done
sleep 1
xdotool key --window "$window" Return 2>/dev/null  # "Готово!"

exported=$("$linux_cli" export "$package")
for expected in '"name": "Vibra"' '"uid": "0x101F876E"' '"key": "1"'; do
  if ! grep -qF "$expected" <<<"$exported"; then
    echo "window_session: the saved package lacks $expected:" >&2
    echo "$exported" >&2
    exit 1
  fi
done
echo "window_session: the Windows editor saved my_tweak\\my_tweak.qvx; the Linux build opens it"
