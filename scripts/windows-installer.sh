#!/usr/bin/env bash
# Makes dist/plugwright-<version>-windows-x64-setup.exe with NSIS from a Windows build that holds
# the editor: a per-user install with a Start-menu entry, the ".qvx" association and an
# uninstaller.
#   bash scripts/windows-installer.sh BUILD_FOLDER QT_PREFIX
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: windows-installer.sh BUILD_FOLDER QT_PREFIX}
qt_prefix=${2:?usage: windows-installer.sh BUILD_FOLDER QT_PREFIX}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
work=$PWD/$build/installer
staging=$work/files
setup=$PWD/dist/plugwright-$version-windows-x64-setup.exe
mkdir -p dist
bash scripts/windows-stage.sh "$build" "$staging" "$qt_prefix"

# The uninstaller deletes the files by name, never the folder's contents wholesale, so nothing the
# user put beside the programs is lost.
: >"$work/files.nsh"
: >"$work/unfiles.nsh"
for file in "$staging"/*; do
  name=$(basename "$file")
  echo "File \"$file\"" >>"$work/files.nsh"
  echo "Delete \"\$INSTDIR\\$name\"" >>"$work/unfiles.nsh"
done

makensis -V2 -INPUTCHARSET UTF8 \
  "-DVERSION=$version" "-DFILES=$work/files.nsh" "-DUNFILES=$work/unfiles.nsh" \
  "-DICON=$PWD/data/icons/plugwright.ico" "-DOUTFILE=$setup" \
  data/installer/plugwright.nsi
rm -rf "$work"
echo "windows-installer.sh: wrote dist/$(basename "$setup")"
