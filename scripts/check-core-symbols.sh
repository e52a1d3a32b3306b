#!/usr/bin/env bash
# Fails when any SDL, curses, CUPS or libharu symbol reached the core
# libraries of a build.
set -euo pipefail
build=${1:?build directory}
status=0
found=0
while IFS= read -r lib; do
  found=1
  if nm -C "$lib" 2>/dev/null | grep -E ' [UTtDdBb] .*\b(SDL_|cups|http[A-Z]|ipp[A-Z]|HPDF_|initscr|wgetch|newwin|endwin|tigetstr)' ; then
    echo "platform symbol in $lib" >&2
    status=1
  fi
done < <(find "$build/src" -name 'libtub_*.a' \
  ! -path '*/platform/sdl/*' ! -path '*/platform/terminal/*' ! -path '*/platform/cups/*' \
  ! -path '*/platform/pdf/*')
if [ "$found" -eq 0 ]; then
  echo "no core libraries found under $build/src" >&2
  exit 1
fi
exit $status
