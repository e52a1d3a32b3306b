#!/usr/bin/env bash
# A program left at a prompt sleeps. Over 3 s at the help page's line
# prompt, the window and the terminal front-ends each wake at most 5 times a
# second, every thread counted (voluntary context switches). A key wait on a
# timer shows up at once: 40 a second with a 25 ms look. In the window the
# prompt has just beeped (Delete on an empty line): a sound system kept
# running after the beep wakes SDL's ALSA hotplug thread 10 times a second.
# The figures themselves come from bench/frontends/run.sh.
#
# usage: idle_wakeups.sh TUBALYZER
program=$(realpath "${1:?the tubalyzer program}")
. "$(dirname "$0")/common.sh"

mkdir "$scratch/run"
cd "$scratch/run"

# sleeps_at_prompt NAME PID: at most 15 wake-ups in 3 s.
sleeps_at_prompt() {
  local before after
  sleep 2  # the prompt drawn and settled, a beep's sound system let go
  before=$(voluntary_switches "$2")
  sleep 3
  after=$(voluntary_switches "$2")
  [ $((after - before)) -le 15 ] || fail "$1: woke $((after - before)) times in 3 s at a prompt"
}
voluntary_switches() {
  cat /proc/"$1"/task/*/status | awk '/^voluntary_ctxt_switches/ {n += $2} END {print n}'
}

start_xvfb
"$program" >/dev/null 2>&1 &
app=$!
started_pids+=("$app")
wid=$(window_of "$app")
xdotool windowfocus --sync "$wid"
xdotool type y
xdotool key Delete
sleeps_at_prompt window "$app"

start_tmux idle "$scratch/idle.pid" "$program"
on_title() { pane_text idle | grep -q 'Do you need instructions?'; }
at_prompt() { pane_text idle | grep -q "Press 'ENTER' to return to Main Menu:"; }
wait_for 20 on_title || fail "no title screen: $(pane_text idle)"
tmux_do send-keys -t idle y
wait_for 20 at_prompt || fail "no help page: $(pane_text idle)"
sleeps_at_prompt terminal "$(cat "$scratch/idle.pid")"
echo "window and terminal sleep at a prompt"
