#!/usr/bin/env bash
# The Windows editor under Wine on Xvfb, as a user meets it: its window titled "Qorvix Plugwright"
# at the narrow size, an item added and the plugin saved beside the .exe; then the Linux build's
# plugwright-cli must open that package and find the item. The typed texts must show: each
# field's rectangle holds dark pixels after typing that it did not hold before.
#   bash tests/windows/window_session.sh PLUGWRIGHT.EXE LINUX-PLUGWRIGHT-CLI [SHOTS_FOLDER]
# Fields are found where the editor says they are (its widget map, PLUGWRIGHT_WIDGET_MAP), so
# the session holds whatever fonts and style this machine gives the window. SHOTS_FOLDER keeps
# the screenshots before and after typing.
set -euo pipefail
editor_exe=$(realpath "$1")
linux_cli=$(realpath "$2")
shots=${3:-}

editor_pid=
on_exit() { if [ -n "$editor_pid" ]; then kill "$editor_pid" 2>/dev/null || true; fi; }
. "$(dirname "$0")/wine_desktop.sh" window_session

map=$work/widgets.txt
cp "$editor_exe" "$work/plugwright.exe"
(cd "$work" && PLUGWRIGHT_WIDGET_MAP=$(winepath -w "$map" 2>/dev/null) exec wine plugwright.exe) \
  >/dev/null 2>&1 &
editor_pid=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Qorvix Plugwright$' | head -n 1)
for _ in $(seq 20); do [ -s "$map" ] && break; sleep 0.5; done
[ -s "$map" ] || fail "the editor wrote no widget map"
sleep 2
size=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$size" = 477x638 ] || fail "the window is $size, not 477x638"

# "left top width height" of a named widget, in screen pixels.
rect() {
  local found
  found=$(awk -v name="$1" '$1 == name {print $2, $3, $4, $5}' "$map" | tr -d '\r')
  [ -n "$found" ] || fail "the widget map has no $1"
  echo "$found"
}
click() {
  local x y w h
  read -r x y w h < <(rect "$1")
  xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
  sleep 0.5
}
replace_text() {
  click "$1"
  xdotool key ctrl+a
  xdotool type --delay 20 "$2"
  sleep 0.3
}
screenshot() { import -window root "$1"; }

# The number of pixels inside a widget (its frame left out) that are dark in the second shot
# and were not in the first.
new_dark_pixels() {
  local x y w h crop
  read -r x y w h < <(rect "$1")
  crop=$((w - 6))x$((h - 6))+$((x + 3))+$((y + 3))
  convert \( "$3" -crop "$crop" +repage -colorspace Gray -threshold 50% -negate \) \
    \( "$2" -crop "$crop" +repage -colorspace Gray -threshold 50% -negate \) \
    -fx 'u*(1-v)' -format '%[fx:round(mean*w*h)]' info:
}

screenshot "$work/before.png"
replace_text TweakName "Vibra"
replace_text RepUID "0x101F876E"
replace_text PluginName "vibra_tweak"
# The caret stays in the key field, outside the fields measured.
replace_text RepKey "1"
screenshot "$work/typed.png"
if [ -n "$shots" ]; then
  mkdir -p "$shots"
  cp "$work/before.png" "$work/typed.png" "$shots/"
fi
for field in TweakName RepUID PluginName; do
  count=$(new_dark_pixels "$field" "$work/before.png" "$work/typed.png")
  echo "window_session: $field shows $count new dark pixels"
  ((count >= 15)) || fail "the text typed into $field does not show ($count new dark pixels)"
done

click Button4   # "Add item"
click Button11  # "Save plugin"
package=$work/vibra_tweak/vibra_tweak.qvx
for _ in $(seq 30); do [ -f "$package" ] && break; sleep 0.5; done
sleep 1
xdotool key Return  # "Готово!"

exported=$("$linux_cli" export "$package") || fail "no package was saved"
for expected in '"name": "Vibra"' '"uid": "0x101F876E"' '"key": "1"'; do
  grep -qF "$expected" <<<"$exported" || fail "the saved package lacks $expected: $exported"
done
echo "window_session: the Windows editor saved vibra_tweak\\vibra_tweak.qvx; the Linux build opens it"
