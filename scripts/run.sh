#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ ! -f app/CMakeLists.txt ]; then
  cmake --build build -j "$(nproc)"
  echo "The core is built; the editor window is not part of this version yet."
  exit 0
fi
cmake --build build -j "$(nproc)" --target plugwright
exec ./build/app/plugwright "$@"
