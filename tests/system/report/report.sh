#!/usr/bin/env bash
# `tubalyzer report` through the real executable: the text, CSV, JSON and
# PDF of an element file (the PDF read back with pdftotext); bad usage is
# one line and exit 2 with nothing written; files that cannot be reported
# are one line each and exit 1, and --output is written only when a file
# was reported; a reader that closes standard output early gets exit 1,
# not a signal.
#
# usage: report.sh TUBALYZER
set -euo pipefail
program=$(realpath "${1:?the tubalyzer program}")
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tub-report.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# run NAME ARGS...: `tubalyzer report ARGS`; its status, NAME.out, NAME.err.
run() {
  local name=$1
  shift
  status=0
  "$program" report "$@" </dev/null >"$name.out" 2>"$name.err" || status=$?
}

printf ' 3\r\n 0.5 5.8e-002 36 40\r\n 0.625 5.8e-002 36 42\r\n 0.75 5.8e-002 30 36\r\n%s\r\n' \
  'WORKED EXAMPLE' >WORKED.ELE
printf ' 2.5\r\n 1 1 1 1\r\nHALF\r\n' >DIR20M.ELE

# --- text: the printed table, LF line ends, the form feed kept -------------
run text worked.ele
[ "$status" -eq 0 ] && [ ! -s text.err ] || fail "text: status $status, said $(cat text.err)"
cat >expected.txt <<'TEXT'
           ELEMENT LOAD TABLE -- ALUMINUM TUBULAR ELEMENTS
 
WORKED EXAMPLE
 
 Using EIA-222-C  Pressure =  30 lb/sq ft at 86 MPH
     and shape factor =  0.666
 
 
DESIGN YIELD STRENGTH: 35000   HALF EL WEIGHT:   1.2   HALF EL AREA:   0.4
 
SECT.    OD      WALL   LENGTH   CUM LEN   MAX WIND (MPH)
-----  -----    -----   ------   -------   ------------
  1    0.500    0.058    36.00     36.00     215
  2    0.625    0.058    36.00     72.00     135
  3    0.750    0.058    30.00    102.00     114
 
 
TEXT
printf '\f\n' >>expected.txt
cmp -s text.out expected.txt || fail "text differs: $(diff expected.txt text.out | head -5)"

# --- JSON and CSV: the stored numbers, shortest decimals ------------------
run json --format=json --ice G:0.5 --standard E:50 -- WORKED.ELE
[ "$status" -eq 0 ] || fail "json: status $status, said $(cat json.err)"
for part in '"file":"WORKED.ELE"' '"ice":"glaze"' '"kz":1.1260464' '"max_wind_mph":109.4959' \
  '"totals":{"weight_lb":6.9125586'; do
  grep -qF "$part" json.out || fail "json: no $part in $(cat json.out)"
done
run csv WORKED.ELE --format csv --yield 25000
[ "$status" -eq 0 ] && [ "$(wc -l <csv.out)" -eq 4 ] || fail "csv: status $status, $(cat csv.out)"
head -n 1 csv.out | grep -q '^file,title,yield_psi,ice,.*,cum_length_in,max_wind_mph$' ||
  fail "csv header: $(head -n 1 csv.out)"
grep -qx 'WORKED.ELE,WORKED EXAMPLE,25000,none,,EIA-222-C,,3,0.75,0.058,30,36,.*,102,[0-9.]*' csv.out ||
  fail "csv row 3: $(tail -n 1 csv.out)"

# --- PDF: the printer's pages on the paper asked for ------------------------
run pdf --format pdf --paper a4 --output table.pdf WORKED.ELE WORKED.ELE
[ "$status" -eq 0 ] && [ ! -s pdf.out ] || fail "pdf: status $status, said $(cat pdf.err)"
pdfinfo table.pdf | grep -Eq '^Pages: +2$' || fail "pdf: not two pages: $(pdfinfo table.pdf)"
pdfinfo table.pdf | grep -Eq '^Page size: +595.* x 841.* pts' || fail "pdf: not A4"
pdftotext -fixed 6 table.pdf pdf.txt
[ "$(tr -cd '\f' <pdf.txt | wc -c)" -eq 2 ] || fail "pdf: not two pages of text"
# Text starts 0.25 inch (three columns) in; pdftotext drops blanks at line ends.
lines() { tr -d '\f' <"$1" | sed -e "s/^$2//" -e 's/ *$//' | grep -v '^$'; }
diff <(lines expected.txt '' && lines expected.txt '') <(lines pdf.txt '   ') >pdf.diff ||
  fail "pdf text differs: $(cat pdf.diff)"

# --- bad usage: one line, exit 2, nothing written -------------------------
bad() {
  local expected="report: $1 (try tubalyzer report --help)"
  shift
  run bad "$@"
  [ "$status" -eq 2 ] || fail "$*: status $status, not 2"
  [ "$(cat bad.err)" = "$expected" ] || fail "$*: said '$(cat bad.err)'"
  [ ! -s bad.out ] && [ ! -e made.txt ] || fail "$*: wrote something"
}
bad "--yield '499' is not 500 to 120000 psi" --yield 499 --output made.txt WORKED.ELE
bad "--yield '35,000' is not 500 to 120000 psi" --yield=35,000 --output made.txt WORKED.ELE
bad "--ice kind 'snow' is not hoarfrost, rime or glaze" --ice snow:1 --output made.txt WORKED.ELE
bad "--ice thickness '1.01' is not 0 to 1 inch" --ice=rime:1.01 --output made.txt WORKED.ELE
bad "--ice needs KIND:THICKNESS, such as glaze:0.5" --ice h --output made.txt WORKED.ELE
bad "--standard height '0' is not above 0 feet" --standard e:0 --output made.txt WORKED.ELE
bad "--standard is C or E:HEIGHT, not 'E'" --standard E --output made.txt WORKED.ELE
bad "--format is text, csv, json or pdf, not 'xml'" --format xml --output made.txt WORKED.ELE
bad "--paper is letter or a4, not 'a5'" --paper a5 --output made.txt WORKED.ELE
bad "--format pdf needs --output FILE" --format pdf WORKED.ELE
bad "no FILE.ELE given" --output made.txt
bad "unknown option '--yeild'" --yeild 5 --output made.txt WORKED.ELE
bad "option '--yield' needs a value" --output made.txt WORKED.ELE --yield

# --- files that cannot be reported: one line each, exit 1 -----------------
run none --output made.txt DIR20M.ELE missing.ele
[ "$status" -eq 1 ] && [ ! -e made.txt ] && [ ! -s none.out ] ||
  fail "nothing reported: status $status, or something was written"
printf '%s\n' 'report: DIR20M.ELE: not an element file (section count 2.5 is not 1 to 15)' \
  'report: missing.ele: no such file or directory' | diff - none.err >/dev/null ||
  fail "nothing reported: said $(cat none.err)"
echo old >made.json
run some --format json --output made.json DIR20M.ELE WORKED.ELE
[ "$status" -eq 1 ] && [ "$(wc -l <some.err)" -eq 1 ] || fail "some reported: $status, $(cat some.err)"
grep -q '"file":"WORKED.ELE"' made.json && ! grep -q DIR20M made.json || fail "some: $(cat made.json)"
[ -z "$(find . -name '.*saving*')" ] || fail "a temporary file was left behind"
run unwritable --output "$scratch/no/such/x.txt" WORKED.ELE
[ "$status" -eq 1 ] && [ "$(wc -l <unwritable.err)" -eq 1 ] &&
  grep -q "^report: cannot write $scratch/no/such/x.txt: " unwritable.err ||
  fail "unwritable output: status $status, said $(cat unwritable.err)"

# --- a reader that goes away early: exit 1, no signal, nothing said -------
mapfile -t many < <(yes WORKED.ELE | head -n 3000)
{
  st=0
  "$program" report --format json "${many[@]}" 2>closed.err || st=$?
  echo "$st" >closed.status
} | head -c 10 >/dev/null
closed_status=$(cat closed.status)
[ "$closed_status" -eq 1 ] && [ ! -s closed.err ] ||
  fail "closed output: status $closed_status, said $(cat closed.err)"

# --- help -----------------------------------------------------------------
"$program" report --help >help.out || fail "report --help failed"
for flag in --yield --ice --standard --format --paper --output; do
  grep -q -- "$flag" help.out || fail "report --help does not explain $flag"
done

echo "report: text, csv, json and pdf; refusals and exit codes as expected"
