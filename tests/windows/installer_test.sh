#!/usr/bin/env bash
# The Windows installer as a user meets it, in a fresh Wine prefix on Xvfb: a silent install
# for this user alone; its files, Start-menu shortcut and registry values read back; the
# installed plugwright-cli.exe building the same package as the Linux build; a ".qvx" opened
# through the association starting the installed editor; a silent uninstall that leaves
# nothing of the program behind but the plugins the user saved.
#   bash tests/windows/installer_test.sh SETUP.EXE LINUX-PLUGWRIGHT-CLI
set -euo pipefail
setup_exe=$(realpath "$1")
linux_cli=$(realpath "$2")
repo=$(cd "$(dirname "$0")/../.." && pwd)

. "$(dirname "$0")/wine_desktop.sh" installer_test

# Folders of the Wine user, as Linux paths.
unix_path() { winepath -u "$1" 2>/dev/null | tr -d '\r'; }
local_app_data=$(unix_path "$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')")
programs="$local_app_data/Programs/Qorvix Plugwright"
plugins="$local_app_data/Qorvix Plugwright"
start_menu=$(unix_path "$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')")/Microsoft/Windows/Start\ Menu/Programs
[ -d "$local_app_data" ] || fail "no %LOCALAPPDATA% in the fresh prefix"

wine "$setup_exe" /S
wineserver -w

for file in plugwright.exe plugwright-cli.exe uninstall.exe README.md LICENSE; do
  [ -f "$programs/$file" ] || fail "the install lacks $file"
done
[ -f "$start_menu/Qorvix Plugwright.lnk" ] || fail "no Start-menu shortcut"

# One value read back with reg.exe; prints it.
reg_value() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v name="$2" '$1 == name { sub(/^ *[^ ]+ +[^ ]+ +/, ""); print }'
}
reg_default() {
  wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | awk '/REG_SZ/ { sub(/^.*REG_SZ +/, ""); print }'
}
install_dir=$(wine cmd /c echo '%LOCALAPPDATA%\Programs\Qorvix Plugwright' 2>/dev/null | tr -d '\r"')
command=$(reg_default 'HKCU\Software\Classes\.qvx\shell\open\command')
[ "$command" = "\"$install_dir\\plugwright.exe\" \"%1\"" ] || fail "association command: $command"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\QorvixPlugwright'
version=$("$linux_cli" --version | awk '{print $NF}')
expect_value() {
  local actual
  actual=$(reg_value "$uninstall_key" "$1")
  [ "$actual" = "$2" ] || fail "$1 is \"$actual\", not \"$2\""
}
expect_value DisplayName "Qorvix Plugwright"
expect_value DisplayVersion "$version"
expect_value Publisher "The Qorvix Plugwright authors"
expect_value DisplayIcon "$install_dir\\plugwright.exe,0"
expect_value UninstallString "\"$install_dir\\uninstall.exe\""
size=$(reg_value "$uninstall_key" EstimatedSize)
(( size > 1000 )) || fail "EstimatedSize is $size KiB"
if wine reg query 'HKLM\Software\Classes\.qvx' >/dev/null 2>&1; then
  fail "the per-user install wrote below HKEY_LOCAL_MACHINE"
fi

# The installed command-line tool makes the Linux build's package, byte for byte.
export SOURCE_DATE_EPOCH=1700000000
"$linux_cli" build "$repo/examples/selection_list.json" --dir "$work/linux" >/dev/null
cp "$repo/examples/selection_list.json" "$work/document.json"
(cd "$work" && wine "$programs/plugwright-cli.exe" build document.json --dir windows) >/dev/null
name=$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["file"])' "$work/document.json")
cmp "$work/linux/$name/$name.qvx" "$work/windows/$name/$name.qvx" ||
  fail "the installed plugwright-cli.exe built another package than the Linux build"

# A package opened from the desktop starts the installed editor with it. Windows' shell reads the
# per-user classes through HKEY_CLASSES_ROOT; Wine 8's HKEY_CLASSES_ROOT holds only the machine's
# (`wine start` finds no program for the file), so the test does what the shell does: the command
# of the type that ".qvx" names, with the package in place of %1.
prog_id=$(reg_default 'HKCU\Software\Classes\.qvx')
[ "$prog_id" = QorvixPlugwright.Plugin ] || fail ".qvx names the file type \"$prog_id\""
type_command=$(reg_default "HKCU\\Software\\Classes\\$prog_id\\shell\\open\\command")
[ "$type_command" = "$command" ] || fail "the file type's command is $type_command"
package_path=$(winepath -w "$work/linux/$name/$name.qvx" 2>/dev/null)
program=$(sed 's/^"\([^"]*\)".*/\1/' <<<"$type_command")
wine "$program" "$package_path" >/dev/null 2>&1 &
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^Qorvix Plugwright$' | head -n 1) ||
  fail "no editor window after opening the package through the association"
[ -d "$plugins" ] || fail "the installed editor did not work in %LOCALAPPDATA%\\Qorvix Plugwright"
sleep 2
# Wine's processes are Linux processes: the editor's command line shows in ps.
editor_args=$(ps -eo args | grep -F 'plugwright.exe' | grep -v grep || true)
grep -qF "$name.qvx" <<<"$editor_args" || fail "the editor was started without the package: $editor_args"
xdotool windowclose "$window" 2>/dev/null || true
wineserver -k 2>/dev/null || true
wineserver -w

# A plugin saved before the uninstall stays; everything the installer made goes.
mkdir -p "$plugins"
(cd "$work" && wine "$programs/plugwright-cli.exe" build document.json --dir "$plugins") >/dev/null
saved=$plugins/$name/$name.qvx
[ -f "$saved" ] || fail "could not save a plugin into %LOCALAPPDATA%\\Qorvix Plugwright"
saved_sum=$(sha256sum <"$saved")
wine "$programs/uninstall.exe" /S
wineserver -w
for _ in $(seq 30); do [ -e "$programs" ] || break; sleep 1; done
[ ! -e "$programs" ] || fail "the uninstall left $(ls "$programs")"
[ ! -e "$start_menu/Qorvix Plugwright.lnk" ] || fail "the uninstall left the shortcut"
for key in '.qvx' 'QorvixPlugwright.Plugin'; do
  if wine reg query "HKCU\\Software\\Classes\\$key" >/dev/null 2>&1; then
    fail "the uninstall left the association's $key key"
  fi
done
if wine reg query "$uninstall_key" >/dev/null 2>&1; then
  fail "the uninstall left the Apps & features entry"
fi
[ "$(sha256sum <"$saved")" = "$saved_sum" ] || fail "the uninstall touched the saved plugin"
echo "installer_test: installed, associated, opened, uninstalled; the saved plugin stays"
