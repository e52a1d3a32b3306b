#!/usr/bin/env bash
# A print command never hangs the program: with no print server at all, and
# with a server that accepts connections but never answers, the command line
# comes back (the latter within a few seconds) and row 22 says why.
#
# usage: cups_unreachable.sh PRINT_SCRIPT_PROGRAM LOG_FOLDER
set -euo pipefail
program=${1:?the print_script program}
keep_logs_in=${2:?a folder for logs when the check fails}
. "$(dirname "$0")/cups_common.sh"

enter=$'\r'
keys="no${enter}nc${enter}eHANG TEST${enter}1${enter}0.5${enter}0.058${enter}36${enter}40${enter}p"

# Runs one print command against $CUPS_SERVER; sets message and elapsed_ms.
print_once() {
  local started
  started=$(date +%s%N)
  # The outer limit only keeps a broken build from hanging the test run.
  message=$(printf '%s' "$keys" | timeout 60 "$program") || fail "the program failed or hung (status $?)"
  elapsed_ms=$((($(date +%s%N) - started) / 1000000))
}

# --- no server: nothing listens on the socket -----------------------------
export CUPS_SERVER="$scratch/nobody.sock"
print_once
[ "$message" = "The print server cannot be reached: the load table was not printed." ] ||
  fail "no server: row 22 shows '$message'"
[ "$elapsed_ms" -lt 5000 ] || fail "no server: took $elapsed_ms ms"
echo "no server: '$message' after $elapsed_ms ms"

# --- a server that takes the connection and never says a word -------------
silent="$scratch/silent.sock"
"$program" --silent-server "$silent" >"$scratch/silent.out" &
silent_pid=$!
helper_pids+=("$silent_pid")
for tries in $(seq 1 100); do
  [ -S "$silent" ] && break
  sleep 0.05
done
[ -S "$silent" ] || fail "the silent server did not start"

export CUPS_SERVER="$silent"
print_once
[ "$message" = "The print server did not answer: the load table was not printed." ] ||
  fail "silent server: row 22 shows '$message'"
[ "$elapsed_ms" -lt 10000 ] || fail "silent server: the print command took $elapsed_ms ms"
echo "silent server: '$message' after $elapsed_ms ms"

echo "PASS: printing gives up on missing and silent print servers"
