#!/usr/bin/env bash
# Every key the program knows, typed into a real window with xdotool,
# must reach the program as the PC keyboard gives it: an extended key as 0
# and its scan code, Enter 13, Backspace 8, Tab 9, Escape 27, Ctrl+C 3,
# typed characters in code page 437; characters without a code are dropped.
# The expected codes below are the PC's, written out by hand.
#
# usage: window_keys.sh KEY_ECHO BIND_KEYSYMS
echo_program=$(realpath "${1:?the tub_key_echo helper}")
bind_keysyms=$(realpath "${2:?the tub_bind_keysyms helper}")
. "$(dirname "$0")/common.sh"

start_xvfb
# The characters no key of the server's map gives get keys of their own
# first: xdotool's passing bindings can vanish before the key is read.
"$bind_keysyms" eacute degree EuroSign
log="$scratch/keys.txt"
"$echo_program" window "$log" 2>"$scratch/stderr" &
app=$!
started_pids+=("$app")
keep_on_failure=("$log" "$scratch/stderr")
wid=$(window_of "$app")
wait_for 20 grep -qx ready "$log" || fail "the key echo did not start"
xdotool windowfocus --sync "$wid"

xdotool key --delay 30 Up Down Left Right Home End Prior Next Insert Delete
xdotool key --delay 30 F1 F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 F12
xdotool key --delay 30 Return BackSpace Tab Escape ctrl+c KP_Enter
# The keypad with Num Lock off is the cursor block.
xdotool key --delay 30 KP_Up KP_Home KP_Next KP_Delete
xdotool type --delay 30 'aZ~ é°€'
xdotool type q
wait_for 20 has_ended "$app" || fail "the key echo did not end at q"

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
13
0 72
0 71
0 81
0 83
97
90
126
32
130
248
113'
diff -u <(printf '%s\n' "$expected") "$log" >"$scratch/diff" ||
  fail "keys differ: $(cat "$scratch/diff")"
echo "window keys: every extended key, the editing keys and typed characters arrive as on a PC"
