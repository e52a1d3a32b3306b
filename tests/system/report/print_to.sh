#!/usr/bin/env bash
# --print-to in a real terminal session (a private tmux, no display): a
# folder that cannot be written is bad usage before anything starts; each
# print command writes the next free TITLE-K.pdf, which reads back with
# pdftotext as the report of the same design, and row 22 says where it
# went; with the folder gone or full, row 22 gives the reason on one row and
# the rest of the screen stays as it was.
#
# usage: print_to.sh TUBALYZER
program=$(realpath "${1:?the tubalyzer program}")
. "$(dirname "$0")/../frontends/common.sh"

mkdir "$scratch/run" "$scratch/pdfs"
cd "$scratch/run"

# bad_usage EXPECTED ARGS...: exit 2, that one line, nothing started.
bad_usage() {
  local expected=$1 status=0
  shift
  "$program" "$@" </dev/null >bad.out 2>bad.err || status=$?
  [ "$status" -eq 2 ] && [ "$(cat bad.err)" = "$expected" ] && [ ! -s bad.out ] ||
    fail "$*: status $status, said '$(cat bad.err)'"
}
touch "$scratch/plain"
bad_usage "tubalyzer: --print-to $scratch/plain: not a directory (try --help)" \
  --print-to "$scratch/plain"
bad_usage "tubalyzer: --paper is letter or a4, not 'a5' (try --help)" \
  --print-to "$scratch/pdfs" --paper=a5
bad_usage "tubalyzer: --paper needs --print-to DIR (try --help)" --paper a4

# A file of the first name is there already and must stay as it is.
echo "not ours" >"$scratch/pdfs/TEST_20M-1.pdf"

# keys WORD...: each word typed in the session $app as it is; ENTER is the
# Enter key.
keys() {
  local word
  for word in "$@"; do
    if [ "$word" = ENTER ]; then
      tmux_do send-keys -t "$app" Enter
    else
      tmux_do send-keys -t "$app" -l "$word"
    fi
  done
}
row22() { pane_text "$app" | sed -n 22p; }
row22_is() { [ "$(row22)" = "$1" ]; }
on_title() { pane_text "$app" | grep -q 'Do you need instructions?'; }
ended() { pane_text "$app" | grep -q '^exit status'; }

# No instructions; options: default yield, no ice, EIA-222-C; then a
# design of two sections, and print.
design_and_print() {
  wait_for 20 on_title || fail "no title screen: $(pane_text "$app")"
  keys n o ENTER n c ENTER e "TEST 20M" ENTER 2 ENTER
  keys 0.5 ENTER 0.058 ENTER 36 ENTER 42 ENTER 0.625 ENTER 0.058 ENTER 48 ENTER 54 ENTER p
}

app=app
start_tmux app "$scratch/app.pid" "$program" --terminal --print-to "$scratch/pdfs"
design_and_print
wait_for 20 row22_is "Printed to TEST_20M-2.pdf" || fail "first print: row 22 is '$(row22)'"
keys p
wait_for 20 row22_is "Printed to TEST_20M-3.pdf" || fail "second print: row 22 is '$(row22)'"
[ "$(cat "$scratch/pdfs/TEST_20M-1.pdf")" = "not ours" ] || fail "TEST_20M-1.pdf was replaced"

# The PDF reads back as the report of the same design.
printf ' 2\r\n 0.5 5.8e-002 36 42\r\n 0.625 5.8e-002 48 54\r\nTEST 20M\r\n' >TEST20M.ELE
"$program" report TEST20M.ELE >expected.txt || fail "report of the same design failed"
lines() { tr -d '\f' <"$1" | sed -e "s/^$2//" -e 's/ *$//' | grep -v '^$'; }
for k in 2 3; do
  pdf="$scratch/pdfs/TEST_20M-$k.pdf"
  pdfinfo "$pdf" | grep -Eq '^Page size: +612 x 792 pts' || fail "TEST_20M-$k.pdf is not Letter"
  pdftotext -fixed 6 "$pdf" printed.txt
  diff <(lines expected.txt '') <(lines printed.txt '   ') >diff.txt ||
    fail "TEST_20M-$k.pdf differs from the report: $(cat diff.txt)"
done

# The folder goes away: the reason on row 22, everything else unchanged.
pane_text "$app" | sed 22d >before.txt
rm -rf "$scratch/pdfs"
keys p
reason="Print folder: no such file or directory: the load table was not printed."
wait_for 20 row22_is "$reason" || fail "folder gone: row 22 is '$(row22)'"
pane_text "$app" | sed 22d | diff before.txt - >diff.txt || fail "the screen changed: $(cat diff.txt)"
keys e q
wait_for 20 ended || fail "the program did not end: $(pane_text "$app")"
pane_text "$app" | grep -qx 'exit status 0' || fail "$(pane_text "$app")"

# A folder that fills up: a small file system of the program's own (a
# private mount namespace), filled behind its back after the first print.
if [ "$(id -u)" -ne 0 ] || ! unshare -m true 2>/dev/null; then
  echo "print-to: a full folder not checked (needs root and unshare -m)"
else
  mkdir "$scratch/small"
  app=full
  start_tmux full "$scratch/full.pid" unshare -m sh -c \
    'mount -t tmpfs -o size=256k tmpfs "$1" && shift && exec "$@"' sh "$scratch/small" \
    "$program" --terminal --print-to "$scratch/small"
  design_and_print
  wait_for 20 row22_is "Printed to TEST_20M-1.pdf" || fail "small folder: row 22 is '$(row22)'"
  inside() { nsenter --mount="/proc/$(cat "$scratch/full.pid")/ns/mnt" "$@"; }
  inside dd if=/dev/zero of="$scratch/small/filler" bs=4k 2>/dev/null || true
  pane_text "$app" | sed 22d >before.txt
  keys p
  reason="Print folder: no space left on device: the load table was not printed."
  wait_for 20 row22_is "$reason" || fail "full folder: row 22 is '$(row22)'"
  pane_text "$app" | sed 22d | diff before.txt - >diff.txt || fail "the screen changed: $(cat diff.txt)"
  [ "$(inside ls -A "$scratch/small" | tr '\n' ' ')" = "TEST_20M-1.pdf filler " ] ||
    fail "full folder: left $(inside ls -A "$scratch/small")"
  keys e q
  wait_for 20 ended || fail "the program did not end: $(pane_text "$app")"
fi
echo "print-to: numbered PDFs that read back as the report; a lost or full folder on row 22"
