#!/usr/bin/env bash
# Builds a static Qt (Core, Gui, Widgets, Test) for 64-bit Windows from Debian's own Qt source,
# the same version the Linux build uses, into a cache folder outside the repository; reuses it
# while it exists. Takes over an hour on two cores: run it in the background with a log.
#   bash scripts/windows-qt.sh            # prints the Qt prefix when done
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

prefix=${PLUGWRIGHT_QT_MINGW:-$HOME/.cache/plugwright/qt6-mingw}
if [ -f "$prefix/lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake" ]; then
  echo "$prefix"
  exit 0
fi

bash scripts/install-deps.sh --windows-qt

work=$prefix-work
mkdir -p "$work"
cd "$work"

# Debian's Qt source, downloaded through a private apt configuration with a deb-src entry for the
# archive the machine already uses, so the machine's own sources stay as they are.
if [ ! -d qtbase-src ]; then
  apt_dir=$work/apt
  mkdir -p "$apt_dir/lists/partial"
  uris=$(grep -h -m1 -E '^URIs:' /etc/apt/sources.list.d/debian.sources 2>/dev/null | awk '{print $2}')
  suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
  echo "deb-src ${uris:-http://deb.debian.org/debian} $suite main" >"$apt_dir/sources.list"
  apt_opts=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=/nonexistent"
            -o "Dir::State::Lists=$apt_dir/lists" -o "APT::Sandbox::User=root")
  apt-get "${apt_opts[@]}" update -qq
  host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
  (cd "$work" && apt-get "${apt_opts[@]}" source "qt6-base=$host_version")
  mv "$(find . -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)" qtbase-src
fi

cmake -S qtbase-src -B build -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_testlib=ON \
  -DFEATURE_tabletevent=OFF \
  -DFEATURE_system_zlib=ON -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
# Debian's source has no Wintab header, hence no tablet events. OpenGL stays at its default
# (dynamic): Qt 6.4's Windows platform plugin does not compile without it.
cmake --build build -j "$(nproc)"
cmake --install build
# What the Windows zip must carry beside an editor linked with this Qt: its licence, and the
# exact source it was built from.
mkdir -p "$prefix/LICENSES"
cp qtbase-src/LICENSES/LGPL-3.0-only.txt qtbase-src/LICENSES/GPL-3.0-only.txt "$prefix/LICENSES/"
echo "Debian source package qt6-base $(dpkg-query -W -f='${Version}' qt6-base-dev)" >"$prefix/QT_SOURCE"
echo "$prefix"
