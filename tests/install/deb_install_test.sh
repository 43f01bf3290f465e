#!/usr/bin/env bash
# Holds the .deb to Debian's standards (lintian), installs it on this machine with apt and checks
# it as a user would: both programs, the examples through the installed plugwright-cli, the menu
# entry, the file type, the icon, the software-centre metadata, the manual pages, the changelog,
# the links of the installed documents, the editor's window under Xvfb as root and as an ordinary
# user; then purges the package and checks that nothing of it is left. Needs root and changes the machine's packages:
# meant for CI and machines that can take it. A plugwright package installed before is purged.
#   bash tests/install/deb_install_test.sh [PACKAGE.deb]    # default: scripts/package.sh makes one
set -euo pipefail
cd "$(dirname "$0")/../.."

if [ "$(id -u)" -ne 0 ]; then
  echo "deb_install_test.sh: SKIPPED: installing the package with apt needs root" >&2
  exit 0
fi

bash scripts/install-deps.sh --package
deb=$(realpath "${1:-$(bash scripts/package.sh)}")
version=$(sed -n 's/^project(QorvixPlugwright VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

work=$(mktemp -d)
chmod 755 "$work"
display_pid=
editor_pid=
finish() {
  [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null
  [ -n "$display_pid" ] && kill "$display_pid" 2>/dev/null
  if dpkg-query -W -f='${Status}' plugwright 2>/dev/null | grep -q installed; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq plugwright >/dev/null
  fi
  rm -rf "$work"
}
trap finish EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
ok() { echo "ok: $*"; }
expect_equal() {  # what actual expected
  [ "$2" = "$3" ] || fail "$1: got '$2', expected '$3'"
  ok "$1"
}

# apt's and dpkg's progress goes to a log, shown when they fail.
apt_get() {
  DEBIAN_FRONTEND=noninteractive apt-get -y -qq "$@" >>"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log" >&2; return 1; }
}
apt_install() { apt_get install --no-install-recommends "$@"; }

# --- install --------------------------------------------------------------------------------

if dpkg-query -W -f='${Status}' plugwright 2>/dev/null | grep -q installed; then
  apt_get purge plugwright
fi
expect_equal "package file name" "$(basename "$deb")" "plugwright_${version}_amd64.deb"
depends=$(dpkg-deb --field "$deb" Depends)
for library in libc6 libstdc++6 libqt6widgets6 zlib1g; do
  [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
ok "dependencies from the programs' libraries: $depends"

# Any error or warning fails; lintian names each with its explanation. (It only reads the file.)
if ! lintian --info --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
  grep -q '^[EW]: ' "$work/lintian.log"; then
  cat "$work/lintian.log" >&2
  fail "lintian reports errors or warnings"
fi
ok "lintian: no error, no warning"

apt_install "$deb" || { apt_get update && apt_install "$deb"; }
dpkg-query -L plugwright >"$work/files"
expect_equal "installed version" "$(dpkg-query -W -f='${Version}' plugwright)" "$version"

# --- the programs ---------------------------------------------------------------------------

expect_equal "plugwright-cli on the PATH" "$(command -v plugwright-cli)" /usr/bin/plugwright-cli
expect_equal "plugwright-cli --version" "$(plugwright-cli --version)" "plugwright-cli $version"
expect_equal "plugwright --version without a display" \
  "$(env -u DISPLAY -u WAYLAND_DISPLAY plugwright --version)" "plugwright $version"

doc=/usr/share/doc/plugwright
expect_equal "copyright in Debian's format" "$(head -n 1 "$doc/copyright")" \
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
grep -q '^License: Expat$' "$doc/copyright" || fail "copyright names no MIT (Expat) licence"
for file in README.md LICENSE docs/USER_GUIDE.md; do
  [ -s "$doc/$file" ] || fail "$doc/$file missing"
done
ok "licence, README and user guide in $doc"

zcat "$doc/changelog.gz" >"$work/changelog"
expect_equal "the changelog's latest entry is this version" \
  "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" "$version"
expect_equal "the changelog's latest entry is signed by the package's maintainer" \
  "$(dpkg-parsechangelog -l "$work/changelog" -S Maintainer)" "$(dpkg-deb --field "$deb" Maintainer)"
# gzip -n: no file name and no time in the header, so that a rebuild gives the same bytes.
python3 - "$work/files" <<'PYTHON' || fail "a compressed file of the package is not reproducible"
import os, struct, sys
for path in open(sys.argv[1]).read().split("\n"):
    if path.endswith(".gz") and os.path.isfile(path):
        magic, method, flags, mtime = struct.unpack("<HBBI", open(path, "rb").read(8))
        if magic != 0x8B1F or flags & 0x08 or mtime:
            sys.exit("%s: gzip header with a name or a time" % path)
PYTHON
ok "compressed files carry no name and no time"

# Every relative link of the installed README, and of each installed document it leads to, names
# a file of the package at that place, and a #part of a Markdown file one of its headings (as the
# renderers make anchors of them).
python3 - "$doc/README.md" "$work/files" <<'PYTHON' || fail "a link of the installed documents is broken"
import os, re, sys, urllib.parse

readme, files = sys.argv[1], set(open(sys.argv[2]).read().split("\n"))

def prose(text):
    return re.sub(r"^(```|~~~).*?^\1", "", text, flags=re.M | re.S)

def anchors(text):
    seen, result = {}, set()
    for heading in re.findall(r"^#{1,6}[ \t]+(.+?)[ \t#]*$", prose(text), re.M):
        slug = re.sub(r"[^\w\- ]", "", heading.strip().lower()).replace(" ", "-")
        count = seen.get(slug, 0)
        seen[slug] = count + 1
        result.add(slug if count == 0 else "%s-%d" % (slug, count))
    return result

def links(text):
    text = re.sub(r"`[^`\n]*`", "", prose(text))
    inline = re.findall(r"\]\(\s*<?([^)\s>]+)>?(?:\s+[\"'(][^)]*)?\)", text)
    reference = re.findall(r"^ {0,3}\[[^\]]+\]:\s*<?(\S+?)>?(?:\s.*)?$", text, re.M)
    return inline + reference

broken, todo, done = [], [os.path.realpath(readme)], set()
while todo:
    document = todo.pop()
    if document in done:
        continue
    done.add(document)
    text = open(document, encoding="utf-8").read()
    for link in links(text):
        if re.match(r"[a-z][a-z0-9+.-]*:", link, re.I):
            continue  # https:, mailto:
        target, _, part = urllib.parse.unquote(link).partition("#")
        path = os.path.normpath(os.path.join(os.path.dirname(document), target)) if target else document
        if target and (path not in files or not os.path.isfile(path)):
            broken.append("%s: %s is not a file of the package" % (document, link))
            continue
        if path.endswith(".md"):
            if part and part not in anchors(open(path, encoding="utf-8").read()):
                broken.append("%s: %s names no heading" % (document, link))
            todo.append(path)
if broken:
    print("\n".join(broken), file=sys.stderr)
print("checked the links of " + ", ".join(sorted(os.path.relpath(d, os.path.dirname(readme)) for d in done)))
sys.exit(1 if broken else 0)
PYTHON
ok "every relative link of the installed documents resolves in $doc"

mkdir "$work/examples"
for example in "$doc"/examples/*.json; do
  name=$(basename "$example" .json)
  plugwright-cli build "$example" --dir "$work/examples" >/dev/null
  plugwright-cli export "$work/examples/$name/$name.qvx" -o "$work/examples/$name.json"
  python3 -c 'import json, sys; sys.exit(json.load(open(sys.argv[1])) != json.load(open(sys.argv[2])))' \
    "$example" "$work/examples/$name.json" || fail "$name: the exported document differs"
done
expect_equal "examples built and exported unchanged" "$(ls "$doc"/examples)" \
  "$(printf '%s\n' bitmask.json on_off_toggle.json selection_list.json)"
package=$work/examples/selection_list/selection_list.qvx

for page in plugwright plugwright-cli; do
  expect_equal "man -w $page" "$(man -w "$page")" "/usr/share/man/man1/$page.1.gz"
  warnings=$(MANWIDTH=80 man --warnings "$page" 2>&1 >/dev/null)
  expect_equal "man $page renders without warnings" "$warnings" ""
done

# --- the desktop: menu entry, file type, icon -------------------------------------------------

entry=/usr/share/applications/qorvix-plugwright.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
grep -qx 'Exec=plugwright %f' "$entry" || fail "$entry: Exec"
grep -qx 'Icon=plugwright' "$entry" || fail "$entry: Icon"
ok "desktop-file-validate $entry"
# The triggers of desktop-file-utils and shared-mime-info rebuilt their caches.
grep -q '^application/x-qorvix-plugin=.*qorvix-plugwright.desktop' \
  /usr/share/applications/mimeinfo.cache || fail "mimeinfo.cache does not list the entry"
grep -q 'application/x-qorvix-plugin:\*\.qvx' /usr/share/mime/globs2 ||
  fail "the MIME database has no *.qvx"
ok "MIME and desktop caches rebuilt"

# A clean session without a desktop: xdg-mime asks the shared MIME database directly.
session=(env -i PATH=/usr/bin:/bin HOME="$work/session")
mkdir "$work/session"
expect_equal "xdg-mime query filetype" "$("${session[@]}" xdg-mime query filetype "$package")" \
  application/x-qorvix-plugin
expect_equal "xdg-mime query default" \
  "$("${session[@]}" xdg-mime query default application/x-qorvix-plugin)" \
  qorvix-plugwright.desktop

# What software centres list: valid, and naming this package's entry, file type, version and
# pictures.
metainfo=/usr/share/metainfo/example.qorvix.plugwright.metainfo.xml
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log" >&2; fail "appstreamcli validate --no-net $metainfo"; }
ok "appstreamcli validate --no-net $metainfo"
python3 - "$metainfo" "$version" "$doc/docs" <<'PYTHON' || fail "$metainfo does not describe this package"
import os, sys, xml.etree.ElementTree as ET

component = ET.parse(sys.argv[1]).getroot()
version, pictures = sys.argv[2], sys.argv[3]
problems = []
def expect(what, got, wanted):
    if got != wanted:
        problems.append("%s: %r, expected %r" % (what, got, wanted))
launchable = component.find("launchable[@type='desktop-id']")
expect("launchable", launchable is not None and launchable.text, "qorvix-plugwright.desktop")
expect("media type", [m.text for m in component.findall("provides/mediatype")],
       ["application/x-qorvix-plugin"])
expect("latest release", component.find("releases/release").get("version"), version)
images = [os.path.basename(i.text) for i in component.findall("screenshots/screenshot/image")]
expect("screenshots", sorted(images), sorted(f for f in os.listdir(pictures) if f.startswith("screenshot-")))
if problems:
    print("\n".join(problems), file=sys.stderr)
sys.exit(1 if problems else 0)
PYTHON
grep -qx 'MimeType=application/x-qorvix-plugin;' "$entry" || fail "$entry: MimeType"
ok "the metainfo launches $entry, provides the file type, is at $version and shows the screenshots"

icons=/usr/share/icons/hicolor
theme_dirs=$(sed -n 's/^Directories=//p' "$icons/index.theme" | tr ',' '\n')
icon_files=$(grep "^$icons/.*/apps/plugwright\.\(png\|svg\)$" "$work/files")
[ "$(wc -l <<<"$icon_files")" -ge 2 ] || fail "too few icon files: $icon_files"
while read -r icon; do
  dir=${icon#"$icons/"}
  dir=${dir%/plugwright.*}
  grep -qx "$dir" <<<"$theme_dirs" || fail "$icon: $dir is not a folder of the hicolor theme"
  if [[ "$icon" == *.png ]]; then
    size=$(python3 -c 'import struct, sys; d = open(sys.argv[1], "rb").read(24)
print("%dx%d" % struct.unpack(">II", d[16:24]) if d[:8] == b"\x89PNG\r\n\x1a\n" else "")' "$icon")
    expect_equal "$icon is a PNG of its folder's size" "$size" "${dir%/apps}"
  fi
done <<<"$icon_files"

# --- the editor's window --------------------------------------------------------------------

display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
display_pid=$!
export DISPLAY=:$display
timeout 10 bash -c 'until xdpyinfo >/dev/null 2>&1; do sleep 0.2; done' || fail "Xvfb did not start"

# Runs the installed editor with the package as USER with its own home, then checks its window
# and where it put its working files.
check_editor_as() {
  local user=$1 home=$work/home-$1
  mkdir "$home" "$home/runtime"
  chmod 700 "$home/runtime"
  chown "$user" "$home" "$home/runtime"
  # setpriv execs the program, so that $! is the editor itself.
  local as_user=(setpriv --reuid="$user" --regid="$(id -g "$user")" --init-groups)
  "${as_user[@]}" cp "$package" "$home/plugin.qvx"
  ls -A /usr/bin >"$work/usr-bin-before"
  # On the X display, also where the test command runs the other suites offscreen.
  "${as_user[@]}" env HOME="$home" XDG_RUNTIME_DIR="$home/runtime" DISPLAY="$DISPLAY" \
    QT_QPA_PLATFORM=xcb plugwright "$home/plugin.qvx" >"$work/editor-$user.log" 2>&1 &
  editor_pid=$!
  local window
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Qorvix Plugwright$' | head -n 1) ||
    fail "as $user: no window of the editor appeared"
  sleep 1
  local size
  size=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
  # A message box would be smaller and would stand in front of the window.
  expect_equal "as $user: the editor's window" "$size" 477x638
  # Read whole first: grep -q would stop reading early and fail the pipe.
  local icon
  icon=$(xprop -id "$window" _NET_WM_ICON)
  grep -q 'Icon ([0-9]* x [0-9]*)' <<<"$icon" ||
    fail "as $user: the window shows no icon; the editor said: $(cat "$work/editor-$user.log")"
  ok "as $user: the window shows the installed icon"
  kill "$editor_pid"
  wait "$editor_pid" 2>/dev/null || true
  editor_pid=
  local folder=$home/.local/share/qorvix-plugwright
  [ -d "$folder" ] || fail "as $user: no working folder $folder"
  # Opening unpacks into temp/ there and removes it again once the package is read.
  expect_equal "as $user: the package was opened in $folder" "$(ls -A "$folder")" ""
  expect_equal "as $user: nothing written into /usr/bin" "$(ls -A /usr/bin | diff "$work/usr-bin-before" -)" ""
}
check_editor_as nobody
# Root may write into /usr/bin, and still works in its data folder.
check_editor_as root

# --- removal --------------------------------------------------------------------------------

apt_get purge plugwright
dpkg-query -W -f='${Status}' plugwright 2>/dev/null | grep -q installed &&
  fail "plugwright is still installed"
left=()
while read -r path; do
  if [ -e "$path" ] && { [ ! -d "$path" ] || [[ "$path" == "$doc"* ]]; }; then
    left+=("$path")
  fi
done <"$work/files"
expect_equal "every file of the package removed" "${left[*]}" ""
grep -q 'qorvix-plugwright.desktop' /usr/share/applications/mimeinfo.cache &&
  fail "mimeinfo.cache still lists the entry"
grep -q 'application/x-qorvix-plugin' /usr/share/mime/globs2 && fail "the MIME database still has *.qvx"
ok "MIME and desktop caches without it"
echo "deb_install_test.sh: all checks passed"
