#!/usr/bin/env bash
# Builds the browser version in build/web/site (index.html, tubalyzer.js,
# tubalyzer.wasm): first the font table with the host compiler (preset
# web-tools), since a generator compiled for the browser cannot run here,
# then the program with emscripten (preset web).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset web-tools >/dev/null
cmake --build --preset web-tools
cmake --preset web >/dev/null
cmake --build --preset web
