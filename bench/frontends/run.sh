#!/usr/bin/env bash
# Figures for the two front-ends, measured from the outside on a private
# Xvfb and a private tmux server:
#   - CPU used while the program waits 10 s for a key (window, terminal);
#   - wake-ups per second at the title prompt, a line prompt (the help
#     page's) and the main menu, 10 s each: the voluntary context switches
#     of all the program's threads;
#   - time from start to the title drawn, against a minimal SDL program
#     presenting one frame (SDL's default renderer, and the software
#     renderer the program uses);
#   - peak resident memory of each;
#   - bytes written to the terminal per key typed at a prompt, against a
#     full repaint of the screen.
# Not a test: it prints figures and the targets next to them.
#
# usage: bench/frontends/run.sh [BUILD_DIR]   (default build/release, built when missing)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(realpath -m "${1:-$root/build/release}")
program="$build/src/tubalyzer"
if [ ! -x "$program" ]; then
  (cd "$root" && cmake --preset release >/dev/null && cmake --build --preset release --target tubalyzer)
  program="$root/build/release/src/tubalyzer"
fi
runs=${TUB_BENCH_RUNS:-15}

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tub-bench.XXXXXX")
xvfb_pid=""
app=""
tmux_socket="$scratch/tmux.sock"
cleanup() {
  tmux -S "$tmux_socket" kill-server 2>/dev/null || true
  if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT
export LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY SDL_VIDEODRIVER SDL_RENDER_DRIVER SDL_AUDIODRIVER

c++ -O2 -std=c++20 "$here/frame_timer.cpp" -lX11 -o "$scratch/frame_timer"
# shellcheck disable=SC2046
c++ -O2 -std=c++20 "$here/minimal_sdl.cpp" $(pkg-config --cflags --libs sdl2) -o "$scratch/minimal_sdl"

# Voluntary context switches of all the threads of PID: each one is a
# wake-up from a sleep (a key wait, a timer, a lock).
switches() { cat /proc/"$1"/task/*/status | awk '/^voluntary_ctxt_switches/ {n += $2} END {print n}'; }
# Wake-ups per second of PID over the next 10 s.
wakeups() {
  local before after
  before=$(switches "$1")
  sleep 10
  after=$(switches "$1")
  awk -v n="$((after - before))" 'BEGIN {printf "%.1f", n / 10}'
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
field() { sed -n "s/.*$1=\([-0-9.]*\).*/\1/p"; }

# --- window -------------------------------------------------------------
mkfifo "$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb_pid=$!
read -r number <"$scratch/display"
export DISPLAY=":$number"

mkdir "$scratch/run"
cd "$scratch/run"
: >"$scratch/program.txt"
: >"$scratch/minimal.txt"
: >"$scratch/minimal-software.txt"
# Interleaved, so that whatever else the machine does hits all three alike.
for _ in $(seq "$runs"); do
  "$scratch/frame_timer" "$scratch/minimal_sdl" >>"$scratch/minimal.txt"
  "$scratch/frame_timer" "$scratch/minimal_sdl" software >>"$scratch/minimal-software.txt"
  "$scratch/frame_timer" "$program" >>"$scratch/program.txt"
done
start_program=$(field first_frame_ms <"$scratch/program.txt" | median)
start_minimal=$(field first_frame_ms <"$scratch/minimal.txt" | median)
start_minimal_sw=$(field first_frame_ms <"$scratch/minimal-software.txt" | median)
rss_program=$(field peak_rss_kb <"$scratch/program.txt" | median)
rss_minimal=$(field peak_rss_kb <"$scratch/minimal.txt" | median)
rss_minimal_sw=$(field peak_rss_kb <"$scratch/minimal-software.txt" | median)
"$scratch/frame_timer" --hold 10 "$program" >"$scratch/idle.txt"
idle_window=$(field idle_cpu_percent <"$scratch/idle.txt")
rss_window_idle=$(field peak_rss_kb <"$scratch/idle.txt")

# Wake-ups at three prompts; a second to settle after each key.
"$program" >/dev/null 2>&1 &
app=$!
wid=""
until [ -n "$wid" ]; do
  wid=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -n 1 || true)
  sleep 0.1
done
sleep 1
wake_window_title=$(wakeups "$app")
xdotool windowfocus --sync "$wid"
xdotool type y
sleep 1
wake_window_line=$(wakeups "$app")
xdotool key Return
sleep 1
wake_window_menu=$(wakeups "$app")
xdotool type q
wait "$app" || true
app=""

# --- terminal -----------------------------------------------------------
tmux_do() { tmux -S "$tmux_socket" "$@"; }
pane() { tmux_do capture-pane -p -t bench; }
bytes() { stat -c %s "$scratch/output"; }
# Waits until the pane shows TEXT and the output has stopped growing.
settle() {
  local text=$1 size=-1 deadline=$((SECONDS + 20))
  until pane | grep -qF -- "$text"; do
    [ "$SECONDS" -lt "$deadline" ] || { echo "timed out waiting for: $text" >&2; exit 1; }
    sleep 0.05
  done
  while [ "$size" != "$(bytes)" ]; do
    size=$(bytes)
    sleep 0.2
  done
}
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

: >"$scratch/output"
env -u DISPLAY TERM=tmux-256color tmux -S "$tmux_socket" -f /dev/null \
  new-session -d -s bench -x 80 -y 25 \
  "env -u DISPLAY TERM=tmux-256color sh -c 'echo \$\$ >$scratch/term.pid; exec \"\$0\"' $program; sleep 1000"
tmux_do pipe-pane -t bench -o "cat >>'$scratch/output'"
settle 'Do you need instructions?'
pid=$(cat "$scratch/term.pid")
title_bytes=$(bytes)
sleep 1
before=$(ticks "$pid")
wake_terminal_title=$(wakeups "$pid")
after=$(ticks "$pid")
idle_terminal=$(awk -v t="$((after - before))" -v hz="$(getconf CLK_TCK)" 'BEGIN {printf "%.2f", 100 * t / hz / 10}')

start=$(bytes)
tmux_do send-keys -t bench y
settle 'Press '"'"'ENTER'"'"' to return to Main Menu:'
help_bytes=$(($(bytes) - start))
wake_terminal_line=$(wakeups "$pid")

typed='0123456789abcdefghij'
start=$(bytes)
for ((i = 0; i < ${#typed}; i++)); do
  tmux_do send-keys -t bench -l "${typed:i:1}"
  settle "Main Menu: ${typed:0:i+1}"
done
per_key=$(awk -v b="$(($(bytes) - start))" -v n="${#typed}" 'BEGIN {printf "%.1f", b / n}')

tmux_do send-keys -t bench Enter
settle 'Quit Program'
wake_terminal_menu=$(wakeups "$pid")
# A full repaint: every cell drawn again after the terminal was too small.
tmux_do resize-window -t bench -x 70 -y 20
settle 'at least 80 x 25'
start=$(bytes)
tmux_do resize-window -t bench -x 80 -y 25
settle 'Quit Program'
repaint_bytes=$(($(bytes) - start))
rss_terminal=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
tmux_do send-keys -t bench q

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
best_minimal=$start_minimal
if awk -v a="$start_minimal_sw" -v b="$start_minimal" 'BEGIN {exit !(a < b)}'; then
  best_minimal=$start_minimal_sw
fi

cat <<REPORT
Front-end figures ($runs start-ups each, medians; $(nproc) cores, Xvfb 1280x800, tmux 80x25)

CPU while waiting 10 s for a key (target < 1 % of a core)
  window    ${idle_window} %
  terminal  ${idle_terminal} %

Wake-ups per second at a prompt, all threads, 10 s each (target <= 1)
            title  line   menu
  window    $(printf '%-6s %-6s %s' "$wake_window_title" "$wake_window_line" "$wake_window_menu")
  terminal  $(printf '%-6s %-6s %s' "$wake_terminal_title" "$wake_terminal_line" "$wake_terminal_menu")

Start to title drawn (target within 1.2x of a minimal SDL program)
  tubalyzer                               ${start_program} ms
  minimal SDL, default renderer           ${start_minimal} ms
  minimal SDL, software renderer          ${start_minimal_sw} ms
  ratio to the faster minimal program     $(ratio "$start_program" "$best_minimal")

Peak resident memory
  tubalyzer, window (after 10 s idle)     ${rss_window_idle} kB
  tubalyzer, window (at title)            ${rss_program} kB
  minimal SDL, default renderer           ${rss_minimal} kB
  minimal SDL, software renderer          ${rss_minimal_sw} kB
  tubalyzer, terminal                     ${rss_terminal} kB

Bytes written to the terminal (target: a key <= 1/10 of a full repaint)
  title screen, first draw (with set-up)  ${title_bytes}
  help page                               ${help_bytes}
  full repaint (2000 cells)               ${repaint_bytes}
  per key typed at a prompt               ${per_key}
  key / full repaint                      $(ratio "$per_key" "$repaint_bytes")
REPORT
