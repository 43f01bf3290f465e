#!/usr/bin/env bash
# Builds both programs in release mode and packs them, with their menu entry, file type, icon,
# manuals and documents, as dist/plugwright_<version>_amd64.deb; prints the package's path.
#   bash scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --package >&2

cmake -S . -B build-rel -DCMAKE_BUILD_TYPE=Release -DPLUGWRIGHT_BUILD_TESTS=OFF >&2
cmake --build build-rel -j "$(nproc)" --target plugwright plugwright-cli >&2

# CPack works in its own folder below the build; only the finished package goes to dist/.
rm -rf build-rel/cpack
cpack --config build-rel/CPackConfig.cmake -G DEB -B "$PWD/build-rel/cpack" >&2
mkdir -p dist
rm -f dist/plugwright_*.deb
deb=$(find build-rel/cpack -maxdepth 1 -name 'plugwright_*.deb')
mv "$deb" dist/
echo "$PWD/dist/$(basename "$deb")"
