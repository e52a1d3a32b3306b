#!/usr/bin/env bash
# Figures for the browser version; not a test, it prints them with their
# targets:
#   - tubalyzer.js + .wasm, uncompressed and gzip, with and without Asyncify;
#   - navigation to the title drawn, against a minimal emscripten page that
#     draws one 640 x 350 frame, in the same headless Chromium;
#   - processor use of the idle tab over 10 s;
#   - key event to canvas updated, median and 99th percentile of 200 keys.
#
# usage: bench/web/run.sh [RUNS]   (builds what is missing)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
cd "$root"
[ -f build/web/site/tubalyzer.wasm ] || scripts/build-web.sh >/dev/null

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tub-web-bench.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export NODE_PATH=/usr/share/nodejs

# The same program without Asyncify (it cannot wait for keys; size only).
cmake --preset web -B build/web-no-asyncify -DTUB_WEB_ASYNCIFY=OFF >/dev/null
cmake --build build/web-no-asyncify --target tubalyzer_web >/dev/null

sizes() {
  local js=$1/tubalyzer.js wasm=$1/tubalyzer.wasm
  local raw=$(($(stat -c %s "$js") + $(stat -c %s "$wasm")))
  local packed=$(($(gzip -9c "$js" | wc -c) + $(gzip -9c "$wasm" | wc -c)))
  printf '%-18s .js %7d + .wasm %7d = %7d bytes (%.2f MiB); gzip %6d bytes\n' "$2" \
    "$(stat -c %s "$js")" "$(stat -c %s "$wasm")" "$raw" "$(echo "$raw / 1048576" | bc -l)" "$packed"
}
echo "size (target: at most 1 MiB uncompressed):"
sizes build/web/site "  with Asyncify"
sizes build/web-no-asyncify/site "  without Asyncify"

mkdir "$scratch/minimal"
em++ -std=c++20 -Os "$here/minimal.cpp" --js-library "$here/minimal_library.js" -sENVIRONMENT=web \
  -o "$scratch/minimal/minimal.js"
cp "$here/minimal.html" "$scratch/minimal/"

/usr/bin/python3 "$here/measure.py" build/web/site "$scratch/minimal" "$(command -v chromium)" "${1:-15}"
