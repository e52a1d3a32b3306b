#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, address + undefined sanitizers) and
# runs each for a fixed time: scripts/fuzz.sh [seconds per target]
# CI uses a short time; run longer by hand, e.g. scripts/fuzz.sh 600.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-12}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for target in build/fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="$work/$name"
  mkdir -p "$corpus"
  [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$corpus/"
  echo "== $name: ${seconds}s =="
  # Runs in a scratch directory: the whole-program target may save files.
  scratch="$work/run-$name"
  mkdir -p "$scratch"
  if ! (cd "$scratch" && "$OLDPWD/$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 "$corpus" 2>"$work/$name.log"); then
    status=1
    tail -n 60 "$work/$name.log"
  fi
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done )' "$work/$name.log" || true
done
exit $status
