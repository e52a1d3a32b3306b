#!/usr/bin/env bash
# Builds the release benchmarks and runs the soak: bench/soak.sh [keys]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release -DTUB_BENCHMARKS=ON >/dev/null
cmake --build --preset release --target soak core_bench
build/release/bench/soak "${1:-1000000}"
