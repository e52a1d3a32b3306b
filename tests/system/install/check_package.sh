#!/usr/bin/env bash
# The Debian package as a user gets it: lintian finds no error, the desktop
# entry and the AppStream metadata validate, every installed file is in
# place, and the unpacked program answers --version and runs a short
# terminal session (a private tmux server) recalling an example design.
#
# usage: check_package.sh tubalyzer_VERSION_ARCH.deb
deb=$(realpath "${1:?the .deb to check}")
. "$(dirname "$0")/../frontends/common.sh"

version=$(dpkg-deb -f "$deb" Version)
id=example.tubalyzer.Tubalyzer

lintian --fail-on error "$deb" \
  || fail "lintian found errors"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
usr="$root/usr"
desktop-file-validate "$usr/share/applications/$id.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" >"$scratch/appstream" \
  || { cat "$scratch/appstream"; fail "AppStream metadata invalid"; }
grep -q "<release version=\"$version\"" "$usr/share/metainfo/$id.metainfo.xml" \
  || fail "the AppStream release is not $version"
for size in 48 128 256; do
  icon="$usr/share/icons/hicolor/${size}x$size/apps/$id.png"
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x$size" ] || fail "icon $icon is not $size px"
done
for file in share/man/man1/tubalyzer.1.gz share/doc/tubalyzer/copyright \
  share/doc/tubalyzer/changelog.gz share/doc/tubalyzer/examples/TEST20M.ELE \
  share/doc/tubalyzer/examples/DIR20M.ELE; do
  [ -s "$usr/$file" ] || fail "$file is missing"
done

"$usr/bin/tubalyzer" --version >"$scratch/version" || fail "--version failed"
grep -q '^Tubalyzer 2\.20' "$scratch/version" || fail "--version printed: $(cat "$scratch/version")"

# Title, recall of an example from the recall menu, main menu, quit.
mkdir "$scratch/run"
cp "$usr/share/doc/tubalyzer/examples/"*.ELE "$scratch/run/"
cd "$scratch/run"
start_tmux app "$scratch/app.pid" "$usr/bin/tubalyzer" --terminal
shows() { pane_text app | grep -qF "$1"; }
wait_for 20 shows "Do you need instructions?" || fail "no title screen: $(pane_text app)"
tmux_do send-keys -t app n r e TEST20M Enter
wait_for 20 shows "Finished recalling element parameters." || fail "no recall: $(pane_text app)"
tmux_do send-keys -t app Enter
wait_for 20 shows "MAIN MENU" || fail "no main menu: $(pane_text app)"
tmux_do send-keys -t app q
wait_for 20 shows "exit status 0" || fail "q did not end with status 0: $(pane_text app)"
echo "package $version: lintian, desktop entry, AppStream, files, --version and a terminal session pass"
