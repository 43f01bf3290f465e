#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the editor need, when any is missing.
#   bash scripts/install-deps.sh [--windows] [--windows-qt] [--package] [--screenshots]
# --windows adds the mingw-w64 cross compiler and Wine; --windows-qt adds what building Qt for
# Windows from Debian's Qt source needs; --package adds what making the .deb, its icons and man
# pages, and testing the installed package on a desktop need; --screenshots adds ImageMagick, which
# photographs windows.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config python3
  zlib1g-dev libgtest-dev libgmock-dev googletest libbenchmark-dev
  qt6-base-dev nlohmann-json3-dev libcli11-dev
  clang clang-format libclang-rt-14-dev
  xvfb xauth unzip
)
# The editor under Wine draws with the faces it names or their metric-compatible stand-ins:
# fonts-wine has Tahoma and MS Sans Serif, fonts-liberation Arial's metrics. libwine only
# recommends them, and this script installs no recommends. makensis (nsis) builds the installer,
# wrestool (icoutils) reads the programs' icons back, ImageMagick counts pixels of screenshots.
windows=(g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine wine64 xdotool x11-utils
         fonts-wine fonts-liberation nsis icoutils imagemagick)
# dpkg-shlibdeps computes the .deb's dependencies; xdg-mime asks mimetype (libfile-mimeinfo-perl)
# on a machine without a desktop session.
# lintian and appstreamcli (appstream) hold the package to Debian's standards; icoutils'
# icotool makes the Windows icon.
package=(dpkg-dev desktop-file-utils shared-mime-info hicolor-icon-theme xdg-utils
         libfile-mimeinfo-perl librsvg2-bin man-db groff-base xdotool x11-utils
         lintian appstream icoutils)
for option in "$@"; do
  case "$option" in
    --windows) packages+=("${windows[@]}") ;;
    --windows-qt) packages+=("${windows[@]}" dpkg-dev qt6-base-dev-tools) ;;
    --package) packages+=("${package[@]}") ;;
    --screenshots) packages+=(imagemagick) ;;
    *) echo "install-deps.sh: unknown option $option" >&2; exit 2 ;;
  esac
done

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
