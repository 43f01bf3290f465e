#!/usr/bin/env bash
# Builds the benchmarks in release mode, runs each several times beside its peers and writes
# docs/PERFORMANCE.md with its plots.  usage: bench/report.sh [REPETITIONS] [--reuse]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/install-deps.sh
# Plots are drawn with Debian's matplotlib.
if ! /usr/bin/python3 -c "import matplotlib" 2>/dev/null; then
  sudo_cmd=""
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd="sudo"; fi
  $sudo_cmd apt-get install -y --no-install-recommends python3-matplotlib
fi
build="$root/build-bench"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DPLUGWRIGHT_BUILD_BENCH=ON \
  -DPLUGWRIGHT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
/usr/bin/python3 bench/report.py "$build" "${1:-5}" "${@:2}"
