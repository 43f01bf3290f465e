#!/usr/bin/env bash
# A short run of every fuzz target (about 60 s together), started from seeds the program
# writes and replaying every input that once failed, so a regression shows in CI.
# usage: fuzz/smoke.sh [BUILD_FOLDER] [SECONDS_PER_TARGET]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-fuzz}
seconds=${2:-10}
targets=(archive_extract repository_reader repository_dump descriptor_reader plugin_document
         number_text)

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPLUGWRIGHT_BUILD_FUZZ=ON -DPLUGWRIGHT_BUILD_APP=OFF -DPLUGWRIGHT_BUILD_TESTS=OFF -DPLUGWRIGHT_WERROR=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target plugwright-cli "${targets[@]/%/_fuzz}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$root/fuzz/make_seeds.py" "$build/cli/plugwright-cli" "$work/seeds"
for target in "${targets[@]}"; do
  corpora=("$work/$target" "$work/seeds/$target")
  if [ -d "$root/fuzz/regressions/$target" ]; then
    corpora+=("$root/fuzz/regressions/$target")
  fi
  mkdir -p "$work/$target"
  if ! "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$work/" "${corpora[@]}" >"$work/$target.log" 2>&1
  then
    tail -n 40 "$work/$target.log"
    echo "fuzz smoke: $target failed" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target.log")
  coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$work/$target.log" | tail -n 1)
  echo "fuzz smoke: $target ok, $runs runs, $coverage"
done
