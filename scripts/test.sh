#!/usr/bin/env bash
# Set-up, then every test: the full build with warnings as errors, the core
# built without any front-end (and checked for platform symbols), and the
# whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run test web

jobs=$(nproc)
results=$(mktemp)
trap 'rm -f "$results"' EXIT
# ctest, with its summary kept for the closing count.
run_ctest() { ctest "$@" 2>&1 | tee -a "$results"; }

echo "== full build and tests =="
cmake --preset ci
cmake --build --preset ci -j "$jobs"
run_ctest --preset ci -j "$jobs"

echo "== core without front-ends =="
cmake --preset core-only
cmake --build --preset core-only -j "$jobs"
scripts/check-core-symbols.sh build/core-only
run_ctest --preset core-only -j "$jobs"

echo "== address and undefined-behaviour sanitizers =="
cmake --preset asan
cmake --build --preset asan -j "$jobs"
LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0" \
  run_ctest --preset asan -j "$jobs"

echo "== fuzzing, a short run of every target =="
scripts/fuzz.sh 8

total=$(grep -Eo 'tests failed out of [0-9]+' "$results" | awk '{ n += $5 } END { print n + 0 }')
echo "tests: $total passed, 0 failed"
