#!/usr/bin/env bash
# Builds both programs in release mode and packs them, with their menu entry, file type, icon,
# manuals and documents, as dist/plugwright_<version>_amd64.deb; prints the package's path.
#   bash scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --package >&2

# Debian's own compiler and linker flags, with all its hardening (fortified functions, stack
# protector, read-only relocations bound at start); the release options come after them. No -g:
# the programs are stripped, and there is no debug package to put the symbols in.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CFLAGS_MAINT_STRIP=-g DEB_CXXFLAGS_MAINT_STRIP=-g
cmake -S . -B build-rel -DCMAKE_BUILD_TYPE=Release -DPLUGWRIGHT_BUILD_TESTS=OFF \
  -DCMAKE_C_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CFLAGS)" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >&2
cmake --build build-rel -j "$(nproc)" --target plugwright plugwright-cli >&2

# CPack works in its own folder below the build; only the finished package goes to dist/.
rm -rf build-rel/cpack
cpack --config build-rel/CPackConfig.cmake -G DEB -B "$PWD/build-rel/cpack" >&2
mkdir -p dist
rm -f dist/plugwright_*.deb
deb=$(find build-rel/cpack -maxdepth 1 -name 'plugwright_*.deb')
mv "$deb" dist/
echo "$PWD/dist/$(basename "$deb")"
