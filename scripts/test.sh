#!/usr/bin/env bash
# Set-up, then every test: the full build with warnings as errors, the core
# built without any front-end (and checked for platform symbols), a plain
# build as a newcomer makes it, the Debian package built and checked, the
# whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer,
# the browser build against the full build's headless frames, then a short
# run of every fuzz target. Each stage says how long it took.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run test web

jobs=$(nproc)
results=$(mktemp)
plain=$(mktemp -d)
trap 'rm -rf "$results" "$plain"' EXIT
# ctest, with its summary kept for the closing count.
run_ctest() { ctest "$@" 2>&1 | tee -a "$results"; }

stage_name=""
stage_start=$SECONDS
# stage NAME: ends the running stage with its time and starts the next.
stage() {
  local took=$((SECONDS - stage_start))
  [ -z "$stage_name" ] || printf -- '-- %s: %dm%02ds\n' "$stage_name" $((took / 60)) $((took % 60))
  stage_name=$1
  stage_start=$SECONDS
  [ -z "$stage_name" ] || echo "== $stage_name =="
}

stage "full build and tests"
cmake --preset ci
cmake --build --preset ci -j "$jobs"
run_ctest --preset ci -j "$jobs"

stage "core without front-ends"
cmake --preset core-only
cmake --build --preset core-only -j "$jobs"
scripts/check-core-symbols.sh build/core-only
run_ctest --preset core-only -j "$jobs"

stage "plain build: default generator, no preset, tests off"
cmake -S . -B "$plain" >/dev/null
cmake --build "$plain" --target tubalyzer -j "$jobs"

stage "Debian package"
scripts/package.sh
tests/system/install/check_package.sh build/package/tubalyzer_*.deb

stage "address and undefined-behaviour sanitizers"
cmake --preset asan
cmake --build --preset asan -j "$jobs"
LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0" \
  run_ctest --preset asan -j "$jobs"

stage "browser build, checked in headless Chromium"
scripts/build-web.sh
run_ctest --preset web --no-tests=error

stage "fuzzing, a short run of every target"
scripts/fuzz.sh 8
stage ""

total=$(grep -Eo 'tests failed out of [0-9]+' "$results" | awk '{ n += $5 } END { print n + 0 }')
echo "tests: $total passed, 0 failed"
