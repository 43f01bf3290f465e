#!/usr/bin/env bash
# Gathers what a Windows release carries into one folder: the programs, the README, our licence
# and, with the editor, Qt's licence and where its Qt came from. The zip and the installer are
# both made from this folder, so they never differ in what they hold.
#   bash scripts/windows-stage.sh BUILD_FOLDER STAGE_FOLDER [QT_PREFIX]   (QT_PREFIX: the editor is in the build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: windows-stage.sh BUILD_FOLDER STAGE_FOLDER [QT_PREFIX]}
staging=${2:?usage: windows-stage.sh BUILD_FOLDER STAGE_FOLDER [QT_PREFIX]}
qt_prefix=${3:-}

rm -rf "$staging"
mkdir -p "$staging"
cp "$build/cli/plugwright-cli.exe" README.md LICENSE "$staging/"
# The editor goes in only with the Qt it was linked with; a build without the window may still
# hold an editor from an earlier run.
if [ -n "$qt_prefix" ]; then
  cp "$build/app/plugwright.exe" "$staging/"
  licence=$qt_prefix/LICENSES/LGPL-3.0-only.txt
  source_file=$qt_prefix/QT_SOURCE
  if [ ! -f "$licence" ] || [ ! -f "$source_file" ]; then
    echo "windows-stage.sh: the editor is built, but $licence or $source_file is missing" >&2
    exit 1
  fi
  cp "$licence" "$staging/LICENSE.Qt-LGPL-3.0.txt"
  # The LGPL builds on the GPL's terms and asks for its text alongside.
  gpl=$qt_prefix/LICENSES/GPL-3.0-only.txt
  [ -f "$gpl" ] && cp "$gpl" "$staging/LICENSE.Qt-GPL-3.0.txt"
  cat >"$staging/Qt.txt" <<NOTE
plugwright.exe contains Qt (Qt Core, Gui and Widgets), linked statically, which is licensed
under the GNU Lesser General Public License version 3: see LICENSE.Qt-LGPL-3.0.txt.

It was built from this Qt source, unchanged apart from the build settings in
scripts/windows-qt.sh:
$(cat "$source_file")

Qorvix Plugwright is open source. Its source, with scripts/windows-qt.sh and scripts/windows.sh,
lets anyone rebuild plugwright.exe against a changed or newer Qt, which is what the LGPL asks of
a program that links Qt statically.
NOTE
fi
