#!/usr/bin/env bash
# Installs what Tubalyzer needs on Debian 12, by tier:
#   run   building and running the program (the default);
#   test  the tests, the sanitizer and fuzz builds, and the package checks;
#   web   the browser build.
# usage: scripts/setup.sh [run] [test] [web]
# Runs apt-get as root, or through sudo; installs only what is missing.
set -euo pipefail

run_packages=(
  cmake make ninja-build g++ pkg-config git
  libsdl2-dev libncurses-dev libcups2-dev libhpdf-dev zlib1g-dev
  console-setup-linux
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xdotool imagemagick poppler-utils tmux
  cups-daemon cups-client
  procps util-linux mount
  # Saving on shared machines: access lists, extended attributes, and a
  # trace that shows what a refused read never opened.
  acl attr strace
  # The Debian package: built with dpkg-shlibdeps (dpkg-dev, file), checked
  # with lintian, desktop-file-validate and appstreamcli.
  dpkg-dev file lintian desktop-file-utils appstream
)
# The browser build (scripts/build-web.sh) and its checks in Chromium.
web_packages=(emscripten node-acorn chromium python3-websocket)

[ $# -gt 0 ] || set -- run
packages=()
for tier in "$@"; do
  case "$tier" in
    run) packages+=("${run_packages[@]}") ;;
    test) packages+=("${test_packages[@]}") ;;
    web) packages+=(${web_packages[@]+"${web_packages[@]}"}) ;;
    *)
      echo "usage: scripts/setup.sh [run] [test] [web]" >&2
      exit 2
      ;;
  esac
done

missing=()
for p in ${packages[@]+"${packages[@]}"}; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
