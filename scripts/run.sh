#!/usr/bin/env bash
# Set-up, release build, and start: a window with a display, else the
# terminal. Arguments go to the program (tubalyzer --help lists them).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run
cmake --preset release >/dev/null
cmake --build --preset release --target tubalyzer
exec build/release/src/tubalyzer "$@"
