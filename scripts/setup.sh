#!/usr/bin/env bash
# Installs what building, running and testing Tubalyzer needs on Debian 12.
# Runs apt-get as root, or through sudo; installs only what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libncurses-dev libcups2-dev libhpdf-dev zlib1g-dev
  console-setup-linux
  clang libclang-rt-14-dev
  xvfb xdotool imagemagick poppler-utils tmux
  cups-daemon cups-client
  procps util-linux mount acl attr strace
)

missing=()
for p in "${packages[@]}"; do
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
