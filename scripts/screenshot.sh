#!/usr/bin/env bash
# Makes docs/tubalyzer.png, the README's picture, from the headless
# program's framebuffer: the example 20 m director recalled and shown by
# View Analysis, with glaze ice and EIA/TIA-222-E at 50 feet, so that the
# table stands beside its profile drawing with the iced outline. Run it again
# when the screens change. Needs the test tier (scripts/setup.sh run test).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset debug >/dev/null
cmake --build --preset debug --target tub_screen_dump
dump=$PWD/build/debug/tests/system/frontends/tub_screen_dump

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp packaging/examples/DIR20M.ELE "$work/"
# No instructions; options: 35000 psi, glaze ice 0.5 inch, EIA/TIA-222-E at
# 50 feet; recall DIR20M; View Analysis.
(cd "$work" && "$dump" 'no{Enter}yg0.5{Enter}e50{Enter}{Enter}reDIR20M{Enter}{Enter}v' "$work/screen")
# No time stamps in the file, so an unchanged screen gives unchanged bytes.
convert "$work/screen.ppm" -strip -define png:exclude-chunks=date,time docs/tubalyzer.png
echo "docs/tubalyzer.png: $(identify -format '%wx%h' docs/tubalyzer.png)"
