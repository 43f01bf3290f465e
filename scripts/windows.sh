#!/usr/bin/env bash
# Builds the editor and plugwright-cli for 64-bit Windows with mingw-w64, runs every test suite
# under Wine and writes dist/plugwright-<version>-windows-x64.zip; with the editor, also
# dist/plugwright-<version>-windows-x64-setup.exe, tested by a scripted install under Wine.
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
jobs=$(nproc)

# The Linux plugwright-cli, for the test that compares the two builds' packages byte for byte.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLUGWRIGHT_WERROR=ON >/dev/null
cmake --build build -j "$jobs" --target plugwright-cli

build=build-windows
configure=(--preset windows -DPLUGWRIGHT_WERROR=ON "-DPLUGWRIGHT_LINUX_CLI=$PWD/build/cli/plugwright-cli")
qt_prefix=
if ((with_window)); then
  qt_prefix=$(bash scripts/windows-qt.sh | tail -n 1)
  configure+=(-DPLUGWRIGHT_BUILD_APP=ON "-DCMAKE_PREFIX_PATH=$qt_prefix" -DQT_HOST_PATH=/usr
              -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
else
  echo "windows.sh: skipped (--no-window): the editor, its window session under Wine and the" \
    "installer with its test; they need Qt for Windows (scripts/windows-qt.sh). Building the core" \
    "and plugwright-cli."
  configure+=(-DPLUGWRIGHT_BUILD_APP=OFF)
fi

start=$SECONDS
cmake "${configure[@]}"
cmake --build "$build" -j "$jobs"
echo "windows.sh: cross build took $((SECONDS - start)) s"

# The tests run in the build's own Wine prefix ($build/wine), which the emulator makes on first
# use (cmake/wine-run.sh); its Wine server is ended afterwards.
start=$SECONDS
status=0
ctest --preset windows -j "$jobs" || status=$?
WINEPREFIX=$PWD/$build/wine wineserver -k 2>/dev/null || true
echo "windows.sh: tests under Wine took $((SECONDS - start)) s"
((status == 0)) || exit "$status"

bash scripts/windows-zip.sh "$build" ${qt_prefix:+"$qt_prefix"}

# The build folder may hold an editor from an earlier run with the window: only this run's counts.
# The installer holds the editor, so it comes with the window too.
if ((with_window)); then
  bash tests/windows/window_session.sh "$build/app/plugwright.exe" build/cli/plugwright-cli
  bash scripts/windows-installer.sh "$build" "$qt_prefix"
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
  bash tests/windows/installer_test.sh "dist/plugwright-$version-windows-x64-setup.exe" \
    build/cli/plugwright-cli
fi
