#!/usr/bin/env bash
# Set-up, then every test: the full build with warnings as errors, the core
# built without any front-end (and checked for platform symbols), and the
# whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc)

echo "== full build and tests =="
cmake --preset ci
cmake --build --preset ci -j "$jobs"
ctest --preset ci -j "$jobs"

echo "== core without front-ends =="
cmake --preset core-only
cmake --build --preset core-only -j "$jobs"
scripts/check-core-symbols.sh build/core-only
ctest --preset core-only -j "$jobs"

echo "== address and undefined-behaviour sanitizers =="
cmake --preset asan
cmake --build --preset asan -j "$jobs"
LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0" \
  ctest --preset asan -j "$jobs"

echo "== fuzzing, a short run of every target =="
scripts/fuzz.sh 8
