#!/usr/bin/env bash
# The terminal is given back on every way out but q (checked with the
# screens): SIGTERM, SIGHUP and SIGINT end the program as Quit does, with
# the alternate screen off and exit status 0; Ctrl+C is only a key. A
# terminal that goes away (its pane killed) ends the program too, instead
# of leaving it spinning on a dead terminal. A terminal that cannot place
# the cursor is refused.
#
# usage: terminal_restored.sh TUBALYZER
program=$(realpath "${1:?the tubalyzer program}")
. "$(dirname "$0")/common.sh"

mkdir "$scratch/run"
cd "$scratch/run"

on_title() { pane_text "$1" | grep -q 'Do you need instructions?'; }
ended() { pane_text "$1" | grep -q '^exit status'; }

for signal in TERM HUP INT; do
  start_tmux "$signal" "$scratch/$signal.pid" "$program"
  wait_for 20 on_title "$signal" || fail "no title screen: $(pane_text "$signal")"
  [ "$(tmux_do display -p -t "$signal" '#{alternate_on}')" = 1 ] || fail "not on the alternate screen"
  if [ "$signal" = INT ]; then
    # In raw mode Ctrl+C is a key like any unlisted one: ignored.
    tmux_do send-keys -t "$signal" C-c
    sleep 0.5
    on_title "$signal" || fail "Ctrl+C changed the screen: $(pane_text "$signal")"
  fi
  kill "-$signal" "$(cat "$scratch/$signal.pid")"
  wait_for 20 ended "$signal" || fail "SIG$signal did not end the program: $(pane_text "$signal")"
  pane_text "$signal" | grep -qx 'exit status 0' ||
    fail "SIG$signal: not ended as Quit: $(pane_text "$signal")"
  [ "$(tmux_do display -p -t "$signal" '#{alternate_on}')" = 0 ] ||
    fail "SIG$signal: the terminal was not restored"
done

start_tmux gone "$scratch/gone.pid" "$program"
wait_for 20 on_title gone || fail "no title screen: $(pane_text gone)"
pid=$(cat "$scratch/gone.pid")
tmux_do kill-pane -t gone
wait_for 20 has_ended "$pid" || fail "the program outlived its terminal"
# A terminal that cannot place the cursor is refused with one clear line.
start_tmux dumb "$scratch/dumb.pid" env TERM=dumb "$program"
wait_for 20 ended dumb || fail "TERM=dumb: the program did not end: $(pane_text dumb)"
pane_text dumb | grep -qx 'exit status 1' || fail "TERM=dumb: not refused: $(pane_text dumb)"
pane_text dumb | tr -d '\n' | grep -q '"dumb" cannot place the cursor' ||
  fail "TERM=dumb: no reason given: $(pane_text dumb)"

echo "terminal restored after SIGTERM, SIGHUP and SIGINT; Ctrl+C ignored; ends with its terminal"
