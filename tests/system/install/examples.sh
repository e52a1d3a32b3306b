#!/usr/bin/env bash
# The example element files shipped with the program are the program's own:
# each recalls through the recall menu, shows its table under View
# Analysis, and saved again under a new name gives back the same bytes.
#
# usage: examples.sh TUBALYZER_CORE_ONLY EXAMPLES_DIR
set -euo pipefail
program=$(realpath "${1:?the tubalyzer_core_only program}")
examples=$(realpath "${2:?the folder of example files}")
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tub-examples.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# check NAME TITLE ROW...: the table of NAME.ELE shows these section rows
# from row 5 on, and the title on row 24.
check() {
  local name=$1 title=$2
  shift 2
  rm -f "$scratch"/*
  cp "$examples"/*.ELE "$scratch/"
  # No instructions; options 35000 psi, no ice, EIA-222-C; recall NAME;
  # save it as COPY.ELE; back to the menu and View Analysis.
  (cd "$scratch" && printf 'no\rnc\rre%s\r\rseCOPY.ELE\r\rmv' "$name" | "$program") >"$scratch/screen"
  cmp "$scratch/$name.ELE" "$scratch/COPY.ELE" || fail "$name.ELE saved again differs"
  local row=5 expected
  for expected in "$@"; do
    [ "$(sed -n "${row}p" "$scratch/screen")" = "$expected" ] ||
      fail "$name: row $row is '$(sed -n "${row}p" "$scratch/screen")', not '$expected'"
    row=$((row + 1))
  done
  [ -z "$(sed -n "${row}p" "$scratch/screen")" ] || fail "$name: more rows than sections"
  [ "$(sed -n 24p "$scratch/screen")" = "$(printf '%29s%s' '' "$title")" ] || fail "$name: title"
}

check TEST20M "TEST 20M" \
  " 1     0.500    0.058    36.00     36.00      215" \
  " 2     0.625    0.058    48.00     84.00      115"
check DIR20M "20M DIRECTOR" \
  " 1     0.500    0.058    40.00     40.00      193" \
  " 2     0.625    0.058    36.00     76.00      128" \
  " 3     0.750    0.058    36.00    112.00      103" \
  " 4     0.875    0.058    36.00    148.00       90" \
  " 5     1.000    0.058    40.00    188.00       79"
echo "examples: TEST20M.ELE and DIR20M.ELE recall, show their tables and save back byte for byte"
