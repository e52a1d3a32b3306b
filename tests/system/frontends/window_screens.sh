#!/usr/bin/env bash
# The real program in a window on a private X server, typed at with xdotool:
# every screenshot must be the headless program's frame for the same keys,
# pixel for pixel at the window's whole-number scale, also after resizing. The title, the help
# page with a line edited at its ENTER prompt (Left, Home, End, Delete and
# Backspace observed through the echo), and the main menu with its picture.
# A beep with no sound device must not write anything to the terminal.
#
# usage: window_screens.sh TUBALYZER SCREEN_DUMP
program=$(realpath "${1:?the tubalyzer program}")
dump=$(realpath "${2:?the tub_screen_dump helper}")
. "$(dirname "$0")/common.sh"

edit='yabcdef{Left}{Left}X{Home}{Delete}{End}{BSpace}{Delete}'
"$dump" '' "$scratch/title"
"$dump" "$edit" "$scratch/help"
"$dump" "$edit{Enter}" "$scratch/menu"

start_xvfb
mkdir "$scratch/run"
(cd "$scratch/run" && exec "$program" >"$scratch/stdout" 2>"$scratch/stderr") &
app=$!
started_pids+=("$app")
keep_on_failure=("$scratch/diff" "$scratch/stderr")

wid=$(window_of "$app")
wait_for 20 window_shows "$wid" "$scratch/title.ppm" || fail "the title screen differs"

xdotool windowfocus --sync "$wid"
xdotool type --delay 20 'yabcdef'
xdotool key --delay 20 Left Left
xdotool type X
xdotool key --delay 20 Home Delete End BackSpace Delete
wait_for 20 window_shows "$wid" "$scratch/help.ppm" || fail "the edited help prompt differs"

xdotool key Return
wait_for 20 window_shows "$wid" "$scratch/menu.ppm" || fail "the main menu differs"

# Resized, the frame keeps its shape and stays sharp: the largest whole
# scale that fits, centred.
xdotool windowmove --sync "$wid" 0 0
for size in "1000 600" "1270 790" "1280 700"; do
  xdotool windowsize --sync "$wid" $size
  wait_for 20 window_shows "$wid" "$scratch/menu.ppm" || fail "the main menu differs at $size"
done

xdotool type q
wait_for 20 has_ended "$app" || fail "the program did not end after q"
# Not the exit status alone: X11 may report a stale window while SDL shuts
# down. The window must be gone and nothing written to the terminal.
[ -z "$(xdotool search --onlyvisible --name Tubalyzer 2>/dev/null || true)" ] ||
  fail "the window is still there after q"
[ ! -s "$scratch/stderr" ] || fail "the program wrote to stderr: $(cat "$scratch/stderr")"
[ ! -s "$scratch/stdout" ] || fail "the program wrote to stdout: $(cat "$scratch/stdout")"
echo "window screens: title, edited help prompt and main menu match the headless frames"
