#!/usr/bin/env bash
# Saving and recalling on a machine shared with other users, run against the
# real program with its keys on standard input:
#   kills             saves killed at random moments leave no file but the design
#   planted-link      a link another user plants in a sticky folder is refused
#   attributes        a replaced file keeps its group, access list and user attributes
#   hard-link         a file with a second hard link stays linked
#   read-only-folder  a writable file in a folder that is not still saves
#   not-plain         a named pipe and a device are refused without being opened
# Usage: trust-faults.sh CASE PATH/TO/tubalyzer_core_only
# Root sets the cases up; saves that must not have root's rights run as an
# unprivileged user through setpriv. Exit code 77 when a case cannot run here.
set -euo pipefail
export LC_ALL=C
case_name=${1:?case}
source_program=$(realpath "${2:?path to tubalyzer_core_only}")

skip() {
  echo "SKIP $case_name: $*" >&2
  exit 77
}
failures=0
fail() {
  echo "FAIL $case_name: $*" >&2
  failures=$((failures + 1))
}

[ "$(id -u)" -eq 0 ] || skip "needs root to set up files of other users"
# Two users without accounts: the one who saves (member of a shared group) and
# another local user.
saver=64001 other=64002 shared_group=64100
as_saver() { setpriv --reuid=$saver --regid=$saver --groups=$shared_group "$@"; }
as_other() { setpriv --reuid=$other --regid=$other --clear-groups "$@"; }
need_other_users() { as_saver true 2>/dev/null || skip "setpriv cannot switch to an unprivileged user"; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
program=$work/tubalyzer # reachable for the unprivileged user too
cp "$source_program" "$program"

printf ' 1\r\n 0.75 5.8e-002 30 36\r\nOLD DESIGN\r\n' >"$work/old.ref"
printf ' 1\r\n 0.5 5.8e-002 36 40\r\nNEW DESIGN\r\n' >"$work/new.ref"
holds_old() { cmp -s "$1" "$work/old.ref"; }
holds_new() { cmp -s "$(readlink -f "$1")" "$work/new.ref"; } # as root, not through others' links
# Options, one section typed in, SAVE from the command line under the table.
# The screen ends on the line that says what became of the save.
enter_design=$'no\rnc\reNEW DESIGN\r1\r.5\r.058\r36\r40\rs'

save() { # folder, name, [command to run the program as]...: prints the screen
  local folder=$1 name=$2
  shift 2
  (cd "$folder" && printf '%s%s\r' "$enter_design" "$name" | "$@" "$program")
}
expect_saved() { # folder, name, [runner]...
  local screen
  screen=$(save "$@")
  grep -q "Saved to:  $2\$" <<<"$screen" || fail "no confirmation for $2: $(grep -i save <<<"$screen" | tail -1)"
  holds_new "$1/$2" || fail "$2 does not hold the new design"
}
expect_refused() { # folder, name, reason, [runner]...
  local folder=$1 name=$2 reason=$3 screen
  shift 3
  screen=$(save "$folder" "$name" "$@")
  grep -q "Could not save $name: $reason" <<<"$screen" ||
    fail "$name: no \"Could not save $name: $reason\": $(grep -i save <<<"$screen" | tail -1)"
}
inode() { stat -c %i "$1"; }
# Sanitizer builds cannot check for leaks under strace.
traced() { ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 strace "$@"; }

case $case_name in
kills)
  # Each run saves 100 times in a row, so that a kill at a random moment
  # almost always meets a save; once to 100 new names, once over one name (50 kills).
  runs=25 saves=100
  mkdir "$work/new" "$work/over"
  {
    printf '%s%s\r\r' "$enter_design" N000.ELE
    for i in $(seq $((saves - 1))); do printf 'eN%03d.ELE\r\r' "$i"; done
  } >"$work/new.keys"
  {
    printf '%s%s\r\r' "$enter_design" DIR20M.ELE
    for _ in $(seq $((saves - 1))); do printf 'eDIR20M.ELE\r\r'; done
  } >"$work/over.keys"
  start=$(date +%s%N)
  (cd "$work/new" && "$program" <"$work/new.keys" >/dev/null)
  run_ms=$((($(date +%s%N) - start) / 1000000 + 1))
  [ $run_ms -lt 400 ] || run_ms=400 # the saves go on past that all the same
  [ "$(ls -A "$work/new" | wc -l)" -eq $saves ] || fail "a whole run did not save $saves files"
  cp "$work/old.ref" "$work/over/DIR20M.ELE"

  killed_run() { # folder, keys
    (cd "$1" && exec "$program" <"$2" >/dev/null) &
    local pid=$! ms=$((RANDOM % run_ms))
    sleep "$((ms / 1000)).$(printf %03d $((ms % 1000)))"
    kill -KILL $pid 2>/dev/null || true
    wait $pid 2>/dev/null || true
  }
  temporary='^\.DIR20M\.ELE\.saving-[a-z0-9]{8}$'
  for run in $(seq $runs); do
    # New names are linked only when whole: nothing else ever shows.
    rm -f "$work"/new/* "$work"/new/.[!.]*
    killed_run "$work/new" "$work/new.keys"
    for f in "$work"/new/* "$work"/new/.[!.]*; do
      [ -e "$f" ] || continue
      [[ ${f##*/} =~ ^N[0-9]{3}\.ELE$ ]] || fail "run $run left ${f##*/} among new names"
      cmp -s "$f" "$work/new.ref" || fail "run $run left ${f##*/} not whole"
    done
    # Over an old file the design is always whole; a kill between naming the
    # finished file and renaming it may leave that name, holding the design.
    killed_run "$work/over" "$work/over.keys"
    holds_new "$work/over/DIR20M.ELE" || holds_old "$work/over/DIR20M.ELE" || fail "run $run: the design is not whole"
    for f in "$work"/over/.[!.]* "$work"/over/*; do
      [ -e "$f" ] && [ "${f##*/}" != DIR20M.ELE ] || continue
      [[ ${f##*/} =~ $temporary ]] || fail "run $run left ${f##*/}"
      cmp -s "$f" "$work/new.ref" || fail "run $run left a temporary file that is not whole"
    done
  done
  left=$(ls -A "$work/over" | grep -cE "$temporary" || true)
  echo "$runs runs killed over an old file left $left temporary files"

  # The next save removes what killed saves left, once older than a minute,
  # and only names of its own pattern.
  over=$work/over
  [ "$left" -eq 0 ] || touch -d '2 minutes ago' "$over"/.DIR20M.ELE.saving-*
  printf x >"$over/.DIR20M.ELE.saving-stale123"
  printf x >"$over/.DIR20M.ELE.saving-young123"
  printf x >"$over/.DIR20M.ELE.saving-toolong12"
  printf x >"$over/.OTHER.ELE.saving-abcd1234"
  touch -d '2 minutes ago' "$over/.DIR20M.ELE.saving-stale123" "$over/.DIR20M.ELE.saving-toolong12" \
    "$over/.OTHER.ELE.saving-abcd1234"
  expect_saved "$over" DIR20M.ELE
  kept=$(cd "$over" && ls -A | tr '\n' ' ')
  [ "$kept" = ".DIR20M.ELE.saving-toolong12 .DIR20M.ELE.saving-young123 .OTHER.ELE.saving-abcd1234 DIR20M.ELE " ] ||
    fail "after a save the folder holds: $kept"

  # Where the file system takes no unnamed files, a named temporary file
  # does the same: strace makes the unnamed open fail as such systems do.
  if command -v strace >/dev/null; then
    rm -f "$over"/.[!.]*
    printf '%s%s\r' "$enter_design" DIR20M.ELE >"$work/one.keys"
    (cd "$over" && traced -o "$work/trace" -e trace=openat "$program" <"$work/one.keys" >/dev/null)
    n=$(grep -n O_TMPFILE "$work/trace" | cut -d: -f1)
    cp "$work/old.ref" "$over/DIR20M.ELE"
    screen=$(cd "$over" && traced -o "$work/trace" -e trace=openat,renameat \
      -e inject=openat:error=EOPNOTSUPP:when="${n:-1}" "$program" <"$work/one.keys")
    grep -q 'O_TMPFILE.*INJECTED' "$work/trace" || fail "the unnamed file was not refused"
    grep -q "^renameat(.*\.DIR20M\.ELE\.saving-" "$work/trace" || fail "no named temporary file was renamed"
    grep -q "Saved to:  DIR20M.ELE" <<<"$screen" || fail "no confirmation without unnamed files"
    holds_new "$over/DIR20M.ELE" || fail "without unnamed files the design was not saved"
    [ "$(ls -A "$over")" = DIR20M.ELE ] || fail "without unnamed files the folder holds: $(ls -A "$over")"
  else
    echo "no strace: the save without unnamed files is not tried"
  fi
  ;;

planted-link)
  need_other_users
  setting=/proc/sys/fs/protected_symlinks
  previous=$(cat $setting 2>/dev/null) || skip "no $setting"
  echo 1 >$setting 2>/dev/null || skip "cannot set $setting"
  trap 'echo "$previous" >$setting; rm -rf "$work"' EXIT
  # The saver's home with a file worth keeping; a shared sticky folder in
  # which the other user plants links to it.
  home=$work/home shared=$work/shared
  mkdir "$home" "$shared"
  chown $saver:$saver "$home"
  chmod 1777 "$shared"
  printf 'PROFILE\n' >"$home/profile"
  chown $saver:$saver "$home/profile"
  as_other ln -s "$home/profile" "$shared/DIR20M.ELE"
  as_other ln -s "$home/created" "$shared/NEW20M.ELE"
  expect_refused "$shared" DIR20M.ELE 'permission denied' as_saver
  expect_refused "$shared" NEW20M.ELE 'permission denied' as_saver
  [ "$(cat "$home/profile")" = PROFILE ] || fail "the file the link points to changed"
  [ ! -e "$home/created" ] || fail "the missing file the link points to was created"
  [ -L "$shared/DIR20M.ELE" ] || fail "the planted link is gone"
  # The saver's own link in the same folder is followed as always.
  as_saver ln -s "$home/mine.ele" "$shared/MINE.ELE"
  expect_saved "$shared" MINE.ELE as_saver
  holds_new "$home/mine.ele" || fail "the saver's own link was not followed"
  ;;

attributes)
  need_other_users
  # A folder of the shared group (without the set-group-ID bit, so that new
  # files take the saver's own group) and a file the other user owns there.
  folder=$work/group file=$work/group/DIR20M.ELE
  mkdir "$folder"
  chown $other:$shared_group "$folder"
  chmod 775 "$folder"
  cp "$work/old.ref" "$file"
  chown $other:$shared_group "$file"
  chmod 664 "$file"
  setfacl -m u:64003:r "$file" || skip "no access-control lists here"
  user_attributes=yes
  setfattr -n user.origin -v antenna-shop "$file" 2>/dev/null || user_attributes=no
  expect_saved "$folder" DIR20M.ELE as_saver
  [ "$(stat -c %g "$file")" = $shared_group ] || fail "the group became $(stat -c %g "$file")"
  [ "$(stat -c %a "$file")" = 664 ] || fail "the permissions became $(stat -c %a "$file")"
  getfacl -n "$file" 2>/dev/null | grep -q '^user:64003:r--' || fail "the access list was lost: $(getfacl -n "$file" 2>/dev/null)"
  if [ $user_attributes = yes ]; then
    [ "$(getfattr --only-values -n user.origin "$file" 2>/dev/null)" = antenna-shop ] ||
      fail "the user attribute was lost"
  else
    echo "this file system keeps no user attributes: that check is left out"
  fi
  ;;

hard-link)
  folder=$work/linked
  mkdir "$folder"
  cp "$work/old.ref" "$folder/DIR20M.ELE"
  ln "$folder/DIR20M.ELE" "$folder/SECOND.ELE"
  before=$(inode "$folder/DIR20M.ELE")
  expect_saved "$folder" DIR20M.ELE
  [ "$(inode "$folder/DIR20M.ELE")" = "$before" ] || fail "the file was replaced, not written"
  [ "$(inode "$folder/SECOND.ELE")" = "$before" ] || fail "the second link points elsewhere"
  holds_new "$folder/SECOND.ELE" || fail "the second link holds the old design"
  [ "$(ls -A "$folder" | wc -l)" -eq 2 ] || fail "the folder holds: $(ls -A "$folder")"
  ;;

read-only-folder)
  need_other_users
  folder=$work/readonly
  mkdir "$folder"
  cp "$work/old.ref" "$folder/DIR20M.ELE"
  chown -R $saver:$saver "$folder"
  chmod 644 "$folder/DIR20M.ELE"
  chmod 555 "$folder"
  expect_saved "$folder" DIR20M.ELE as_saver
  [ "$(stat -c '%a %u' "$folder/DIR20M.ELE")" = "644 $saver" ] || fail "the file's owner or mode changed"
  [ "$(ls -A "$folder")" = DIR20M.ELE ] || fail "the folder holds: $(ls -A "$folder")"
  # A new name there still cannot be saved.
  expect_refused "$folder" NEW.ELE 'permission denied' as_saver
  ;;

not-plain)
  command -v strace >/dev/null || skip "needs strace to see what is opened"
  folder=$work/odd
  mkdir "$folder"
  mkfifo "$folder/pipe.ele"
  ln -s /dev/zero "$folder/ZERO.ELE"
  ln -s /dev/zero "$folder/zero2.ele"
  # A writer waits for a reader; opening the pipe to read would release it.
  (exec 3>"$folder/pipe.ele") &
  writer=$!
  trap 'kill $writer 2>/dev/null || true; rm -rf "$work"' EXIT
  # Typed as stored, typed in another letter case (found by the lookup),
  # and the pipe found by the lookup.
  for name in ZERO ZERO2 PIPE; do
    screen=$(cd "$folder" && printf 'nre%s\r' "$name" |
      traced -f -y -o "$work/trace" -e trace='/^open' "$program")
    grep -q "Could not read $name.ELE: it is not a regular file" <<<"$screen" ||
      fail "$name.ELE: not refused: $(grep -i "$name" <<<"$screen" | tail -1)"
    if grep -qiE 'open(at)?\(.*"(zero|zero2|pipe)\.ele"|/dev/zero' "$work/trace"; then
      fail "$name.ELE was opened: $(grep -iE 'zero|pipe' "$work/trace")"
    fi
  done
  sleep 0.2
  kill -0 $writer 2>/dev/null || fail "the pipe's writer no longer waits"
  ;;

*)
  echo "unknown case: $case_name" >&2
  exit 2
  ;;
esac

if [ "$failures" -eq 0 ]; then
  echo "ok   $case_name"
fi
[ "$failures" -eq 0 ]
