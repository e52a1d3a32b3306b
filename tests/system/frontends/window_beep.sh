#!/usr/bin/env bash
# The beep, recorded through SDL's disk audio driver: a Delete with nothing
# to delete at the help page's ENTER prompt sounds 1000 Hz for 0.250 s
# (mono 16-bit at 48 kHz, as the program opens the device).
#
# usage: window_beep.sh TUBALYZER
program=$(realpath "${1:?the tubalyzer program}")
. "$(dirname "$0")/common.sh"

start_xvfb
mkdir "$scratch/run"
(cd "$scratch/run" &&
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$scratch/beep.raw" exec "$program" 2>"$scratch/stderr") &
app=$!
started_pids+=("$app")
keep_on_failure=("$scratch/stderr")
wid=$(window_of "$app")
xdotool windowfocus --sync "$wid"
xdotool type y
xdotool key Delete
sleep 1
xdotool key Return
xdotool type q
wait_for 20 has_ended "$app" || fail "the program did not end after q"
[ -s "$scratch/beep.raw" ] || fail "no sound was recorded"

# Samples that are not silence, and how often the wave rises through zero.
read -r sounding rises < <(od -An -v -td2 -w2 "$scratch/beep.raw" | awk '
  { v = $1 + 0; if (v != 0) n++; if (prev < 0 && v > 0) r++; prev = v }
  END { print n + 0, r + 0 }')
[ "$sounding" -eq 12000 ] || fail "the tone lasted $sounding samples, not 12000 (0.250 s)"
# 250 periods; the first rise from silence is not counted.
[ "$rises" -eq 249 ] || fail "the tone had $((rises + 1)) periods in 0.250 s, not 250"
echo "beep: 1000 Hz for 0.250 s"
