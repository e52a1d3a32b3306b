#!/usr/bin/env bash
# Fault injection for saving: a full file system, a read-only file system, a
# missing directory and a name that is a directory. In every case the file
# already there must stay whole, and the user must be told that nothing was
# saved. The file systems are small tmpfs mounts in a private mount
# namespace, so nothing outside this test is touched.
#   file-faults.sh PATH/TO/tubalyzer_core_only
set -euo pipefail
program=$(realpath "${1:?path to tubalyzer_core_only}")

if [ "$(id -u)" -ne 0 ] || ! unshare -m true 2>/dev/null; then
  echo "needs root and mount namespaces (unshare -m) to mount its own small file systems" >&2
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Options, one section typed in, then SAVE from the command line under the
# table, with the file name as the last answer.
keys() {
  printf 'no\rnc\reNEW DESIGN\r1\r.5\r.058\r36\r40\rs%s\r' "$1"
}

reference="$work/old.ele"
printf ' 1\r\n 0.75 5.8e-002 30 36\r\nOLD DESIGN\r\n' > "$reference"
failures=0

check() {  # name, directory, file name, expected message part
  local name=$1 dir=$2 file=$3 expect=$4 screen
  screen=$(cd "$dir" && keys "$file" | "$program")
  if ! grep -q -- "$expect" <<<"$screen"; then
    echo "FAIL $name: the screen does not say \"$expect\":" >&2
    echo "$screen" >&2
    failures=$((failures + 1))
  elif grep -q "Saved to:" <<<"$screen"; then
    echo "FAIL $name: the screen reports a save" >&2
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

same_file() {  # name, path
  if ! cmp -s "$2" "$reference"; then
    echo "FAIL $1: the old file changed" >&2
    failures=$((failures + 1))
  fi
  if ls -a "$(dirname "$2")" | grep -q '^\..*saving'; then
    echo "FAIL $1: a temporary file was left behind" >&2
    failures=$((failures + 1))
  fi
}

# 1. A full file system: the old file is there, no block is free.
mkdir "$work/full"
unshare -m bash -c "
  set -e
  mount -t tmpfs -o size=64k tmpfs '$work/full'
  cp '$reference' '$work/full/DIR20M.ELE'
  dd if=/dev/zero of='$work/full/filler' bs=4k 2>/dev/null || true
  $(declare -f keys check same_file)
  program='$program'; reference='$reference'; failures=0
  check 'full file system' '$work/full' DIR20M.ELE 'Could not save DIR20M.ELE'
  same_file 'full file system' '$work/full/DIR20M.ELE'
  exit \$failures
" || failures=$((failures + 1))

# 2. A read-only file system.
mkdir "$work/readonly"
unshare -m bash -c "
  set -e
  mount -t tmpfs -o size=64k tmpfs '$work/readonly'
  cp '$reference' '$work/readonly/DIR20M.ELE'
  mount -o remount,ro '$work/readonly'
  $(declare -f keys check same_file)
  program='$program'; reference='$reference'; failures=0
  check 'read-only file system' '$work/readonly' DIR20M.ELE 'Could not save DIR20M.ELE'
  same_file 'read-only file system' '$work/readonly/DIR20M.ELE'
  exit \$failures
" || failures=$((failures + 1))

# 3. A directory that does not exist.
mkdir "$work/plain"
check 'missing directory' "$work/plain" 'nowhere/DIR20M.ELE' 'Could not save nowhere/DIR20M.ELE'
if [ -e "$work/plain/nowhere" ]; then
  echo "FAIL missing directory: something was created" >&2
  failures=$((failures + 1))
fi

# 4. A name that is a directory, holding a file that must survive.
mkdir "$work/plain/DIR20M.ELE"
cp "$reference" "$work/plain/DIR20M.ELE/inside"
check 'name is a directory' "$work/plain" DIR20M.ELE 'Could not save DIR20M.ELE'
same_file 'name is a directory' "$work/plain/DIR20M.ELE/inside"

if [ "$failures" -eq 0 ]; then
  echo "4 passed, 0 failed"
else
  echo "$failures checks failed"
fi
[ "$failures" -eq 0 ]
