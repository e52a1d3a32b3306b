#!/usr/bin/env bash
# The real program in a terminal (a private tmux server, no display), typed
# at with send-keys: the pane must show the headless program's grid for the
# same keys, row for row, drawings as braille. The title, the help page with
# a line edited at its ENTER prompt (its beep rings the bell), the main
# menu with its picture; a terminal made too small shows a notice and the
# screen comes back whole;
# q gives the terminal back (alternate screen off) with exit status 0.
#
# usage: terminal_screens.sh TUBALYZER SCREEN_DUMP
program=$(realpath "${1:?the tubalyzer program}")
dump=$(realpath "${2:?the tub_screen_dump helper}")
. "$(dirname "$0")/common.sh"

edit='yabcdef{Left}{Left}X{Home}{Delete}{End}{BSpace}{Delete}'
"$dump" '' "$scratch/title"
"$dump" "$edit" "$scratch/help"
"$dump" "$edit{Enter}" "$scratch/menu"
keep_on_failure=("$scratch/diff")

mkdir "$scratch/run"
cd "$scratch/run"
start_tmux app "$scratch/app.pid" "$program"

tmux_do pipe-pane -t app -o "cat >>'$scratch/output'"
wait_for 20 pane_shows app "$scratch/title.txt" || fail "the title screen differs"
[ "$(tmux_do display -p -t app '#{alternate_on}')" = 1 ] || fail "not on the alternate screen"

tmux_do send-keys -t app y abcdef Left Left X Home DC End BSpace DC
wait_for 20 pane_shows app "$scratch/help.txt" || fail "the edited help prompt differs"
# The Delete with nothing to delete rang the terminal's bell.
wait_for 5 grep -q $'\a' "$scratch/output" || fail "no bell for the beep"

tmux_do send-keys -t app Enter
wait_for 20 pane_shows app "$scratch/menu.txt" || fail "the main menu differs"

# Too small: one line saying so; large enough again: the whole screen.
tmux_do resize-window -t app -x 70 -y 20
small_notice() { pane_text app | head -n 1 | grep -q 'at least 80 x 25'; }
wait_for 20 small_notice || fail "no notice in a 70 x 20 terminal: $(pane_text app)"
tmux_do send-keys -t app h  # unseen at the notice: must not act
sleep 0.3
tmux_do resize-window -t app -x 80 -y 25
wait_for 20 pane_shows app "$scratch/menu.txt" || fail "the menu did not come back after the resize"

tmux_do send-keys -t app q
ended() { pane_text app | grep -q '^exit status'; }
wait_for 20 ended || fail "the program did not end after q"
pane_text app | grep -qx 'exit status 0' || fail "q did not end with status 0: $(pane_text app)"
[ "$(tmux_do display -p -t app '#{alternate_on}')" = 0 ] || fail "the terminal was not restored"
echo "terminal screens: title, edited help prompt, main menu, resize and quit as expected"
