# Shared by the front-end checks. Source it: it makes a scratch folder, and
# on exit stops everything it started (by process id) and removes the folder.
# Defines fail, wait_for, start_xvfb, window_of, window_shows, start_tmux,
# pane_text, pane_shows.

set -euo pipefail

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

scratch=$(mktemp -d "${TMPDIR:-/tmp}/tub-frontend.XXXXXX")
started_pids=()
tmux_socket=""
keep_on_failure=()  # files shown when the check fails

cleanup() {
  local status=$? pid f
  if [ "$status" -ne 0 ]; then
    for f in ${keep_on_failure[@]+"${keep_on_failure[@]}"}; do
      [ -e "$f" ] && { echo "--- $f" >&2; cat "$f" >&2 || true; }
    done
  fi
  if [ -n "$tmux_socket" ]; then
    tmux -S "$tmux_socket" kill-server 2>/dev/null || true
  fi
  for pid in ${started_pids[@]+"${started_pids[@]}"}; do
    if kill -0 "$pid" 2>/dev/null; then
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    fi
  done
  rm -rf "$scratch"
  exit "$status"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# The program must behave the same whatever the caller's environment says.
export LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY SDL_VIDEODRIVER SDL_AUDIODRIVER SDL_RENDER_DRIVER
unset PRINTER LPDEST

# wait_for SECONDS COMMAND...: runs the command every 0.1 s until it succeeds.
wait_for() {
  local limit=$1
  shift
  local deadline=$((SECONDS + limit))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# has_ended PID: the process is gone, or a zombie waiting for our wait.
has_ended() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null || true)
  [ -z "$state" ] || [ "${state:0:1}" = Z ]
}

# --- window ---------------------------------------------------------------

# A private X server on a free display number (Xvfb picks it).
start_xvfb() {
  local fifo="$scratch/display"
  mkfifo "$fifo"
  # -noreset: by default the server resets whenever its last client leaves,
  # and a program connecting during that reset is refused.
  Xvfb -displayfd 3 -noreset -screen 0 1280x800x24 -nolisten tcp 3>"$fifo" 2>"$scratch/xvfb.log" &
  started_pids+=($!)
  local number
  read -r -t 20 number <"$fifo" || fail "Xvfb did not start: $(cat "$scratch/xvfb.log")"
  export DISPLAY=":$number"
}

# window_of PID: the id of the program's visible window, once there is one.
window_of() {
  local pid=$1 wid=""
  local deadline=$((SECONDS + 20))
  while [ -z "$wid" ]; do
    if ! kill -0 "$pid" 2>/dev/null; then
      local status=0
      wait "$pid" 2>/dev/null || status=$?
      fail "the program ended (status $status) before its window appeared;" \
        "stderr: $(cat "$scratch/stderr" 2>/dev/null)"
    fi
    [ "$SECONDS" -lt "$deadline" ] || fail "no window appeared"
    wid=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
    [ -n "$wid" ] || sleep 0.1
  done
  echo "$wid"
}

# window_shows WID EXPECTED.ppm: the window shows the expected 640 x 350
# frame at the largest whole-number scale that fits, centred on black, every
# screen pixel a sharp square of the right colour. Leaves the number of
# differing pixels in $scratch/diff.
window_shows() {
  local wid=$1 expected=$2 size width height scale
  import -window "$wid" "$scratch/shot.png" 2>/dev/null || return 1
  size=$(identify -format '%w %h' "$scratch/shot.png") || return 1
  read -r width height <<<"$size"
  scale=$((width / 640 < height / 350 ? width / 640 : height / 350))
  if [ "$scale" -lt 1 ]; then
    echo "window is ${width}x${height}, smaller than 640x350" >"$scratch/diff"
    return 1
  fi
  convert -size "${width}x${height}" xc:black \
    \( "$expected" -sample "$((640 * scale))x$((350 * scale))!" \) \
    -geometry "+$(((width - 640 * scale) / 2))+$(((height - 350 * scale) / 2))" -composite \
    "$scratch/expected.png"
  compare -metric AE "$scratch/shot.png" "$scratch/expected.png" null: 2>"$scratch/diff"
}

# --- terminal -------------------------------------------------------------

# start_tmux NAME PIDFILE PROGRAM [ARGS...]: runs the program in an 80 x 25
# pane of a private tmux server, with no display, as a terminal user has it.
# Its process id goes to PIDFILE; when it ends the pane shows
# "exit status N" and stays.
start_tmux() {
  local name=$1 pidfile=$2
  shift 2
  local command
  command="env -u DISPLAY TERM=tmux-256color sh -c 'echo \$\$ >\"\$0\"; exec \"\$@\"'"
  command+=" $(printf '%q ' "$pidfile" "$@")"
  command+='; echo "exit status $?"; exec sleep 1000'
  if [ -z "$tmux_socket" ]; then
    tmux_socket="$scratch/tmux.sock"
    env -u DISPLAY TERM=tmux-256color \
      tmux -S "$tmux_socket" -f /dev/null new-session -d -s "$name" -x 80 -y 25 "$command"
  else
    tmux_do new-session -d -s "$name" -x 80 -y 25 "$command"
  fi
  wait_for 10 test -s "$pidfile" || fail "the program did not start in tmux"
}

tmux_do() { tmux -S "$tmux_socket" "$@"; }

# pane_text NAME: the pane's rows, trailing blanks removed.
pane_text() { tmux_do capture-pane -p -t "$1" | sed 's/ *$//'; }

# pane_shows NAME EXPECTED.txt: the pane holds exactly these 25 rows.
pane_shows() {
  pane_text "$1" >"$scratch/pane.txt"
  diff -u "$2" "$scratch/pane.txt" >"$scratch/diff"
}
