#!/usr/bin/env bash
# Closing the window ends the program as Quit does, wherever it waits: at
# the title, at a line prompt, and with a print job open (the job is still
# handed over; here there is no printer, so only the ending is checked).
# SIGTERM and SIGINT end it the same way. Not the exit status alone: the
# window must be gone and nothing written to the terminal.
#
# usage: window_closed.sh TUBALYZER CLOSE_WINDOW
program=$(realpath "${1:?the tubalyzer program}")
close_window=$(realpath "${2:?the tub_close_window helper}")
. "$(dirname "$0")/common.sh"

start_xvfb
mkdir "$scratch/run"
cd "$scratch/run"

# run_and_end HOW KEYS: starts the program, types KEYS, ends it by HOW.
run_and_end() {
  local how=$1 keys=$2 app wid status=0
  # A background job starts with SIGINT ignored, which SDL respects; a
  # program started from a desktop or a shell prompt has it at default.
  env --default-signal=INT "$program" >"$scratch/stdout" 2>"$scratch/stderr" &
  app=$!
  started_pids+=("$app")
  wid=$(window_of "$app")
  if [ -n "$keys" ]; then
    xdotool windowfocus --sync "$wid"
    xdotool type --delay 20 "$keys"
    sleep 0.3
  fi
  case $how in
    close) "$close_window" "$wid" ;;
    TERM | INT) kill "-$how" "$app" ;;
  esac
  wait_for 20 has_ended "$app" || fail "$how with '$keys' typed: the program did not end"
  wait "$app" || status=$?
  # X11 may report a stale window while SDL shuts down (status 1, seen
  # rarely); anything else is a fault.
  [ "$status" -eq 0 ] || [ "$status" -eq 1 ] || fail "$how: exit status $status"
  [ -z "$(xdotool search --onlyvisible --pid "$app" 2>/dev/null || true)" ] ||
    fail "$how: the window is still there"
  [ ! -s "$scratch/stderr" ] || fail "$how: wrote to stderr: $(cat "$scratch/stderr")"
  [ ! -s "$scratch/stdout" ] || fail "$how: wrote to stdout: $(cat "$scratch/stdout")"
}

run_and_end close ''
run_and_end close 'yabc'  # at the help page's ENTER prompt, a line half typed
run_and_end TERM ''
run_and_end INT 'n'
echo "window closed, SIGTERM and SIGINT end the program as Quit does"
