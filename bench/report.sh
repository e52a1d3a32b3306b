#!/usr/bin/env bash
# `tubalyzer report --format json` over 1000 element files of 1 to 15
# sections: files per second through the real program, set against the
# Google Benchmark figures of the element-file reader alone and of one
# file's analysis and JSON (core_bench).
#
#   bench/report.sh [BUILD]   (default: builds and uses build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-}
if [ -z "$build" ]; then
  cmake --preset release -DTUB_BENCHMARKS=ON >/dev/null
  cmake --build --preset release --target tubalyzer core_bench >/dev/null
  build=build/release
fi
program=$(realpath "$build/src/tubalyzer")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# 1000 designs: section counts 1 to 15, diameters growing by 1/8 inch.
awk -v dir="$work" 'BEGIN {
  for (i = 1; i <= 1000; i++) {
    file = sprintf("%s/D%04d.ELE", dir, i); n = i % 15 + 1
    printf " %d\r\n", n > file
    for (s = 1; s <= n; s++) printf " %.3f 5.8e-002 %d %d\r\n", 0.25 + 0.125 * s, 30 + i % 13, 36 + i % 13 > file
    printf "DESIGN %d\r\n", i > file
    close(file)
  }
}'
cd "$work"
"$program" report --format json D*.ELE >/dev/null  # warm the page cache

# best_of_5 COMMAND...: the shortest wall time of five runs, in ns.
best_of_5() {
  local best="" run start elapsed
  for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    "$@" >out.json
    elapsed=$(($(date +%s%N) - start))
    if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then best=$elapsed; fi
  done
  echo "$best"
}
start_ns=$(best_of_5 "$program" --version)
report_ns=$(best_of_5 "$program" report --format json --ice glaze:0.25 --standard E:50 D*.ELE)
[ "$(grep -c '"file":' out.json)" -eq 1000 ] || { echo "not 1000 reports" >&2; exit 1; }
awk -v ns="$report_ns" -v start="$start_ns" 'BEGIN {
  printf "report --format json, 1000 files: %.1f ms, %.0f files/s (best of 5, whole process)\n", ns / 1e6, 1000 / (ns / 1e9)
  printf "  of which starting the program (tubalyzer --version): %.1f ms\n", start / 1e6
  printf "  without it: %.0f files/s\n", 1000 / ((ns - start) / 1e9)
}'
cd - >/dev/null
"$build/bench/core_bench" --benchmark_filter='elementFile|reportJson' 2>/dev/null
