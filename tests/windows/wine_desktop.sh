# Sourced by the Windows window tests: a scratch folder and a fresh Wine prefix holding the
# window's fonts, on a display of its own; all of it goes when the test ends.
#   . wine_desktop.sh TEST_NAME   (sets work, WINEPREFIX and DISPLAY; defines fail; a function
#                                  on_exit of the test runs first at the end)
test_name=$1
work=$(mktemp -d)
display_pid=
finish_wine_desktop() {
  if declare -F on_exit >/dev/null; then on_exit; fi
  WINEPREFIX=$work/wine wineserver -k 2>/dev/null || true
  [ -n "$display_pid" ] && kill "$display_pid" 2>/dev/null
  rm -rf "$work"
}
trap finish_wine_desktop EXIT
fail() {
  echo "$test_name: $*" >&2
  exit 1
}

export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
display=:$((100 + RANDOM % 400))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
display_pid=$!
export DISPLAY=$display
sleep 1
wineboot -i >/dev/null 2>&1 || true
bash "$(dirname "${BASH_SOURCE[0]}")/prefix_fonts.sh" "$WINEPREFIX"
