#!/usr/bin/env bash
# Packs a Windows build into dist/plugwright-<version>-windows-x64.zip, a portable editor: unpacked
# anywhere, it keeps its plugins beside itself.
#   bash scripts/windows-zip.sh BUILD_FOLDER [QT_PREFIX]   (QT_PREFIX: the editor is in the build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: windows-zip.sh BUILD_FOLDER [QT_PREFIX]}
qt_prefix=${2:-}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
zip=dist/plugwright-$version-windows-x64.zip
staging=$build/zip/plugwright-$version-windows-x64
mkdir -p dist
bash scripts/windows-stage.sh "$build" "$staging" ${qt_prefix:+"$qt_prefix"}

# Python's zipfile, in name order, so the same files give the same archive.
python3 - "$staging" "$zip" <<'PYTHON'
import os
import sys
import zipfile

staging, target = sys.argv[1], sys.argv[2]
top = os.path.basename(staging)
with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
    for name in sorted(os.listdir(staging)):
        archive.write(os.path.join(staging, name), top + "/" + name)
PYTHON
rm -rf "$build/zip"
echo "windows-zip.sh: wrote $zip"
unzip -l "$zip"
