#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds the project twice with warnings as
# errors (plain, and with AddressSanitizer and UndefinedBehaviorSanitizer) and runs every test
# suite on both builds, then a short fuzz run, then the Windows build of the core and
# plugwright-cli with its tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export CTEST_OUTPUT_ON_FAILURE=1

# Every tracked C++ file as .clang-format lays it out.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLUGWRIGHT_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPLUGWRIGHT_SANITIZE=ON -DPLUGWRIGHT_WERROR=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan -j "$jobs"

# About a minute of every fuzz target, replaying the inputs that once failed.
bash fuzz/smoke.sh "$PWD/build-fuzz"

# The .deb in release mode, installed with apt, checked as a user would, then purged (as root).
bash tests/install/deb_install_test.sh

# The Windows build, tested under Wine (a few minutes). The editor for Windows needs Qt built
# for Windows first (scripts/windows-qt.sh, over an hour): it is included when that Qt is cached.
if [ -f "$HOME/.cache/plugwright/qt6-mingw/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ]; then
  bash scripts/windows.sh
else
  bash scripts/windows.sh --no-window
fi
