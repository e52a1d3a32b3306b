#!/usr/bin/env bash
# The flags, through the real executable: --version and --help answer on
# stdout and exit 0; bad usage is one line on stderr and exit 2; a forced
# front-end that cannot open is one line and exit 1; --documents runs the
# program in the Tubalyzer folder of the user's documents folder.
#
# usage: flags.sh TUBALYZER
program=$(realpath "${1:?the tubalyzer program}")
. "$(dirname "$0")/../frontends/common.sh"

# run NAME ARGS...: the program's status, stdout and stderr, no terminal.
run() {
  local name=$1
  shift
  status=0
  "$program" "$@" </dev/null >"$scratch/$name.out" 2>"$scratch/$name.err" || status=$?
}

run version --version
[ "$status" -eq 0 ] || fail "--version: status $status"
grep -Eqx 'Tubalyzer 2\.20 \(build [^ ()]+\)' "$scratch/version.out" ||
  fail "--version printed: $(cat "$scratch/version.out")"
[ ! -s "$scratch/version.err" ] || fail "--version wrote to stderr"

run help --help
[ "$status" -eq 0 ] || fail "--help: status $status"
for flag in --window --terminal --documents --version; do
  grep -q -- "$flag" "$scratch/help.out" || fail "--help does not explain $flag"
done

# bad_usage EXPECTED-LINE ARGS...: exit 2, exactly that line, no output.
bad_usage() {
  local expected=$1
  shift
  run bad "$@"
  [ "$status" -eq 2 ] || fail "$*: status $status, not 2"
  [ "$(cat "$scratch/bad.err")" = "$expected" ] || fail "$*: said '$(cat "$scratch/bad.err")'"
  [ ! -s "$scratch/bad.out" ] || fail "$*: wrote to stdout"
}
bad_usage "tubalyzer: unknown option '--x' (try --help)" --x
bad_usage "tubalyzer: unknown option '--x' (try --help)" --window --x=1
bad_usage "tubalyzer: --window and --terminal cannot be used together (try --help)" --window --terminal
bad_usage "tubalyzer: option '--help' takes no value (try --help)" --help=yes
bad_usage "tubalyzer: unexpected argument 'DIR20M.ELE' (try --help)" DIR20M.ELE

# forced FLAG WORDS: the front-end cannot open: one line naming why, exit 1.
forced() {
  local flag=$1 words=$2
  status=0
  env -u DISPLAY "$program" "$flag" </dev/null >"$scratch/forced.out" 2>"$scratch/forced.err" ||
    status=$?
  [ "$status" -eq 1 ] || fail "$flag: status $status, not 1"
  [ "$(wc -l <"$scratch/forced.err")" -eq 1 ] || fail "$flag: said $(cat "$scratch/forced.err")"
  grep -q "$words" "$scratch/forced.err" || fail "$flag: said $(cat "$scratch/forced.err")"
}
forced --window 'cannot open a window'
forced --terminal 'cannot run in the terminal: standard input is not a terminal'

# --documents, as the desktop entry starts it: the folder named by the
# user's user-dirs.dirs (a name with a blank), then ~/Documents without one.
home="$scratch/home"
mkdir -p "$home/.config"
printf '# written by xdg-user-dirs-update\nXDG_DOCUMENTS_DIR="$HOME/My Papers"\n' \
  >"$home/.config/user-dirs.dirs"
on_title() { pane_text "$1" | grep -q 'Do you need instructions?'; }
ended() { pane_text "$1" | grep -q '^exit status'; }
documents_session() {
  local name=$1 expected=$2
  start_tmux "$name" "$scratch/$name.pid" env -u XDG_CONFIG_HOME HOME="$home" \
    "$program" --terminal --documents
  wait_for 20 on_title "$name" || fail "$name: no title screen: $(pane_text "$name")"
  [ "$(readlink "/proc/$(cat "$scratch/$name.pid")/cwd")" = "$expected" ] ||
    fail "$name: works in $(readlink "/proc/$(cat "$scratch/$name.pid")/cwd"), not $expected"
  tmux_do send-keys -t "$name" n
  sleep 0.3
  tmux_do send-keys -t "$name" q
  wait_for 20 ended "$name" || fail "$name: did not quit: $(pane_text "$name")"
  pane_text "$name" | grep -qx 'exit status 0' || fail "$name: $(pane_text "$name")"
}
documents_session userdirs "$home/My Papers/Tubalyzer"
rm "$home/.config/user-dirs.dirs"
documents_session plain "$home/Documents/Tubalyzer"

# A documents folder that cannot be made is one line and exit 1.
touch "$scratch/file"
status=0
env -u XDG_CONFIG_HOME HOME="$scratch/file" "$program" --documents --terminal </dev/null \
  >"$scratch/doc.out" 2>"$scratch/doc.err" || status=$?
[ "$status" -eq 1 ] || fail "unusable documents folder: status $status"
grep -q "^tubalyzer: cannot create the folder $scratch/file/Documents/Tubalyzer: Not a directory\$" \
  "$scratch/doc.err" || fail "unusable documents folder: said $(cat "$scratch/doc.err")"

echo "flags: --version, --help, bad usage, forced front-ends and --documents behave"
