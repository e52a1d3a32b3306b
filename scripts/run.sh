#!/usr/bin/env bash
# Set-up, release build, and start: a window with a display, else the terminal.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target tubalyzer
exec build/release/src/tubalyzer
