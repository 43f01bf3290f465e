#!/usr/bin/env bash
# Builds the editor and plugwright-cli for 64-bit Windows with mingw-w64, runs every test suite
# under Wine and writes dist/plugwright-<version>-windows-x64.zip.
#   bash scripts/windows.sh [--no-window]
# --no-window skips Qt and the editor. Without it, Qt for Windows is built once into
# ~/.cache/plugwright/qt6-mingw (over an hour; scripts/windows-qt.sh) and reused after.
set -euo pipefail
cd "$(dirname "$0")/.."

with_window=1
for option in "$@"; do
  case "$option" in
    --no-window) with_window=0 ;;
    *) echo "windows.sh: unknown option $option" >&2; exit 2 ;;
  esac
done

bash scripts/install-deps.sh --windows

build=build-windows
configure=(--preset windows)
if ((with_window)); then
  qt_prefix=$(bash scripts/windows-qt.sh | tail -n 1)
  configure+=(-DPLUGWRIGHT_BUILD_APP=ON "-DCMAKE_PREFIX_PATH=$qt_prefix" -DQT_HOST_PATH=/usr
              -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
else
  echo "windows.sh: the editor window is skipped (--no-window); building the core and plugwright-cli."
  configure+=(-DPLUGWRIGHT_BUILD_APP=OFF)
fi

# A Wine prefix of the build's own, so the tests never touch the user's; started once before
# ctest, because Wine's first start can otherwise hold the test's output pipe until it ends.
export WINEPREFIX=$PWD/$build/wine
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
wineboot -i >/dev/null 2>&1 || true

cmake "${configure[@]}"
cmake --build "$build" -j "$(nproc)"
ctest --preset windows -j "$(nproc)"
wineserver -w || true

bash scripts/windows-zip.sh "$build"
