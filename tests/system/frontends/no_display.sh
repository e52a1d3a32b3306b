#!/usr/bin/env bash
# With no display to open a window on and no terminal to run in (standard
# input not a terminal), the program says so on stderr and ends with a
# non-zero status at once, without touching stdout.
#
# usage: no_display.sh TUBALYZER
program=$(realpath "${1:?the tubalyzer program}")
. "$(dirname "$0")/common.sh"

check() {
  local what=$1
  shift
  local status=0
  "$@" "$program" </dev/null >"$scratch/out" 2>"$scratch/err" || status=$?
  [ "$status" -ne 0 ] || fail "$what: exit status 0"
  grep -q 'no display' "$scratch/err" || fail "$what: no word on stderr: $(cat "$scratch/err")"
  [ "$(wc -l <"$scratch/err")" -eq 1 ] || fail "$what: more than one line: $(cat "$scratch/err")"
  [ ! -s "$scratch/out" ] || fail "$what: wrote to stdout: $(cat "$scratch/out")"
}

check "no DISPLAY" env -u DISPLAY
check "a DISPLAY with no server" env DISPLAY=:4095
echo "no display and no terminal: one line on stderr, non-zero status"
