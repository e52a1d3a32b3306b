#!/usr/bin/env bash
# The print command end to end: the program, typed at like a user, prints
# the load table through a private CUPS daemon into a PDF; the PDF must hold
# every line of the report in Courier at 12 characters per inch, one page,
# one job per print command. Without a default printer the command line
# comes back at once and row 22 says why, pointing to --print-to.
#
# usage: cups_reports.sh PRINT_SCRIPT_PROGRAM LOG_FOLDER
set -euo pipefail
program=${1:?the print_script program}
keep_logs_in=${2:?a folder for logs when the check fails}
. "$(dirname "$0")/cups_common.sh"

start_cupsd
add_default_queue

enter=$'\r'
# Title declined; options: default yield, no ice, EIA-222-C; the worked
# example's three sections; then one print command.
options_c="o${enter}nc${enter}"
options_e_glaze="o${enter}yg0.5${enter}e50${enter}${enter}"
sections="eWORKED EXAMPLE${enter}3${enter}"
sections+="0.5${enter}0.058${enter}36${enter}40${enter}"
sections+="0.625${enter}0.058${enter}36${enter}42${enter}"
sections+="0.75${enter}0.058${enter}30${enter}36${enter}"

header='           ELEMENT LOAD TABLE -- ALUMINUM TUBULAR ELEMENTS

WORKED EXAMPLE
'
table='SECT.    OD      WALL   LENGTH   CUM LEN   MAX WIND (MPH)
-----  -----    -----   ------   -------   ------------'

check_job() {
  local what=$1 expected=$2
  local pdf="$scratch/out/job.pdf"
  [ -s "$pdf" ] || fail "$what: no PDF was written"
  pdfinfo "$pdf" >"$scratch/info.txt"
  grep -Eq '^Pages: +1$' "$scratch/info.txt" || fail "$what: not one page: $(cat "$scratch/info.txt")"
  grep -Eq '^Page size: +612 x 792 pts' "$scratch/info.txt" ||
    fail "$what: not the queue's Letter page: $(grep 'Page size' "$scratch/info.txt")"
  pdffonts "$pdf" | grep -q '^Courier ' || fail "$what: not in Courier: $(pdffonts "$pdf")"

  pdftotext -fixed 6 "$pdf" "$scratch/text.txt"
  [ "$(tr -cd '\f' <"$scratch/text.txt" | wc -c)" -eq 1 ] || fail "$what: not one page of text"
  printf '%s\n' "$expected" >"$scratch/expected.txt"
  # Text starts 18 pt (three columns of 6 pt) in from the paper's edge.
  tr -d '\f' <"$scratch/text.txt" | sed -e 's/^   //' | sed -e :a -e '/^\n*$/{$d;N;ba' -e '}' >"$scratch/actual.txt"
  compare_text "$scratch/actual.txt" "$scratch/expected.txt" "$what"

  # 12 characters per inch on 10 pt lines from the printable area's corner
  # (18 pt in): the heading's first word starts after 11 blanks, at 84 pt, and
  # "SECT." stands on line 12 (with no ice), 6 pt per character wide.
  pdftotext -bbox "$pdf" "$scratch/boxes.html"
  grep -q 'xMin="84.000000"[^>]*xMax="126.000000"[^>]*>ELEMENT<' "$scratch/boxes.html" ||
    fail "$what: the heading is not at 12 characters per inch: $(grep '>ELEMENT<' "$scratch/boxes.html")"
}

# --- EIA-222-C, no ice ----------------------------------------------------
before=$(completed_jobs)
message=$(printf '%s' "n${options_c}${sections}p" | "$program")
[ -z "$message" ] || fail "EIA-222-C: row 22 shows '$message' after printing"
wait_for_jobs $((before + 1))
check_job "EIA-222-C" "$header
 Using EIA-222-C  Pressure =  30 lb/sq ft at 86 MPH
     and shape factor =  0.666


DESIGN YIELD STRENGTH: 35000   HALF EL WEIGHT:   1.2   HALF EL AREA:   0.4

$table
  1    0.500    0.058    36.00     36.00     215
  2    0.625    0.058    36.00     72.00     135
  3    0.750    0.058    30.00    102.00     114"
grep -q 'xMin="18.000000"[^>]*yMin="12[0-9.]*"[^>]*yMax="12[0-9.]*"[^>]*>SECT.<' \
  "$scratch/boxes.html" || fail "EIA-222-C: SECT. is not on line 11 ($(grep '>SECT.<' "$scratch/boxes.html"))"

# --- EIA/TIA-222-E at 50 feet, glaze ice 0.5 inch -------------------------
before=$(completed_jobs)
message=$(printf '%s' "n${options_e_glaze}${sections}p" | "$program")
[ -z "$message" ] || fail "EIA/TIA-222-E: row 22 shows '$message' after printing"
wait_for_jobs $((before + 1))
check_job "EIA/TIA-222-E with glaze ice" "$header
 Ice Loading with density =  3.2e-002 lb. per cubic inch
     and radial thickness =  0.5 inch

 Using EIA/TIA-222-E  with height above ground =  50 feet
 Pressure =  21.3 lb/sq ft at 86 MPH
     and shape factor =  1.2


DESIGN YIELD STRENGTH: 35000   HALF EL WEIGHT:   6.9   HALF EL AREA:   1.1

$table
  1    0.500    0.058    36.00     36.00     109
  2    0.625    0.058    36.00     72.00      70
  3    0.750    0.058    30.00    102.00      60"

# --- two print commands, two jobs -----------------------------------------
before=$(completed_jobs)
message=$(printf '%s' "n${options_c}${sections}pp" | "$program")
[ -z "$message" ] || fail "two prints: row 22 shows '$message'"
wait_for_jobs $((before + 2))
sleep 1
[ "$(completed_jobs)" -eq $((before + 2)) ] || fail "two print commands gave $(($(completed_jobs) - before)) jobs"

# --- no default printer ---------------------------------------------------
lpadmin -x tubtest
lpstat -d 2>&1 | grep -qi 'no system default' || fail "a default is left: $(lpstat -d 2>&1)"
started=$(date +%s%N)
message=$(printf '%s' "n${options_c}${sections}p" | "$program")
elapsed_ms=$((($(date +%s%N) - started) / 1000000))
[ "$message" = "No default printer (try --print-to DIR): the load table was not printed." ] ||
  fail "no default printer: row 22 shows '$message'"
[ "$elapsed_ms" -lt 5000 ] || fail "no default printer: took $elapsed_ms ms"

echo "PASS: reports printed through CUPS; no default printer reported"
