#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the editor need, when any is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config python3
  zlib1g-dev libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev nlohmann-json3-dev libcli11-dev
  clang libclang-rt-14-dev
  xvfb xauth unzip
)

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
