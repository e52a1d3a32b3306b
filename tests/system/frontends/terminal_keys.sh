#!/usr/bin/env bash
# Every key the program knows, sent to a real terminal (tmux, TERM
# tmux-256color), must reach the program as the PC keyboard gives it: an
# extended key as 0 and its scan code, Enter 13, Backspace 8, Tab 9, Escape
# 27 (alone, without waiting for a sequence), Ctrl+C 3, typed characters
# in code page 437; characters without a code are dropped. The expected
# codes below are the PC's, written out by hand.
#
# usage: terminal_keys.sh KEY_ECHO
echo_program=$(realpath "${1:?the tub_key_echo helper}")
. "$(dirname "$0")/common.sh"

log="$scratch/keys.txt"
keep_on_failure=("$log")
start_tmux keys "$scratch/keys.pid" "$echo_program" terminal "$log"
wait_for 20 grep -qx ready "$log" || fail "the key echo did not start"

send() {
  local key
  for key in "$@"; do
    tmux_do send-keys -t keys "$key"
    sleep 0.06  # longer than the Escape delay, so keys never run together
  done
}
send Up Down Left Right Home End PPage NPage IC DC
send F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 F12
send Enter BSpace Tab Escape C-c
tmux_do send-keys -t keys -l 'aZ~ é°€'
send q
wait_for 20 grep -qx 113 "$log" || fail "the key echo did not end at q"

expected='ready
0 72
0 80
0 75
0 77
0 71
0 79
0 73
0 81
0 82
0 83
0 59
0 60
0 61
0 62
0 63
0 64
0 65
0 66
0 67
0 68
0 133
0 134
13
8
9
27
3
97
90
126
32
130
248
113'
diff -u <(printf '%s\n' "$expected") "$log" >"$scratch/diff" ||
  fail "keys differ: $(cat "$scratch/diff")"
echo "terminal keys: every extended key, the editing keys and typed characters arrive as on a PC"
