#!/usr/bin/env bash
# Installs the Debian package with apt as a system program, checks the
# commands, the manual page and the package's metadata, starts the window as
# an ordinary user on a private Xvfb, has Create write its page (into that
# user's data folder, since /usr/lib/menulark/ is read-only to them) and Help
# open the installed help, then removes and purges the package and checks
# that nothing of it is left. Pages are "opened" by a stand-in xdg-open that
# notes what it was given; no browser or desktop is touched.
# Needs root (apt, a test user); says so and skips otherwise.
# Usage: package_install_test.sh <package.deb>
set -uo pipefail
deb=${1:?usage: package_install_test.sh <package.deb>}
deb=$(readlink -f "$deb")

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: the package install test needs root (apt-get install, a test user); run it as root"
  exit 0
fi
[ -f "$deb" ] || { echo "FAIL: no package $deb (make package writes it)" >&2; exit 1; }
for tool in apt-get dpkg-deb useradd runuser Xvfb xdotool xdpyinfo man lintian desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-package-deps)" >&2; exit 1; }
done
if dpkg-query -W -f='${Status}' menulark 2>/dev/null | grep -q 'ok installed'; then
  echo "FAIL: menulark is installed already; this test installs and removes it itself" >&2
  exit 1
fi

started=$SECONDS
work=$(mktemp -d)
chmod 755 "$work"
user="mlpkgtest$$"
xvfb_pid=""
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  id "$user" >/dev/null 2>&1 && userdel "$user" 2>/dev/null
  if dpkg-query -W -f='${Status}' menulark 2>/dev/null | grep -q 'ok installed'; then
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -q menulark >/dev/null 2>&1
    dpkg --purge menulark >/dev/null 2>&1
  fi
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

version=$(dpkg-deb -f "$deb" Version)
# What the package holds, and which of those paths are there before it (the
# shared folders): everything else must be gone after the purge.
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\.||; s|/$||' | grep -v '^$' >"$work/contents"
while IFS= read -r path; do
  [ -e "$path" ] || [ -L "$path" ] || echo "$path"
done <"$work/contents" >"$work/new-paths"

# --- Install with apt, which brings in what Depends names.
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" >"$work/apt.log" 2>&1 || {
  cat "$work/apt.log" >&2
  echo "FAIL: apt-get install $deb failed" >&2
  exit 1
}

# --- The commands, the manual pages and the metadata.
[ "$(command -v menulark-page)" = /usr/bin/menulark-page ] || fail "menulark-page is not /usr/bin/menulark-page"
[ "$(readlink -f /usr/bin/menulark)" = /usr/lib/menulark/menulark ] || fail "/usr/bin/menulark does not lead to the program"
menulark-page --help >"$work/help" 2>&1 || fail "menulark-page --help fails"
[ "$(menulark-page --version)" = "menulark-page $version" ] ||
  fail "menulark-page --version says '$(menulark-page --version)', the package is $version"
for command in menulark menulark-page; do
  [ "$(man -w "$command" 2>/dev/null)" = "/usr/share/man/man1/$command.1.gz" ] || fail "man -w $command: '$(man -w "$command" 2>&1)'"
done
# Every option that --help names is in the manual page.
zcat /usr/share/man/man1/menulark-page.1.gz | sed 's/\\-/-/g' >"$work/man-page"
for option in $(grep -o -- '--[a-z-]*\|^  -o' "$work/help" | sed 's/^ *//' | sort -u); do
  [ "$option" = "--" ] && continue
  grep -q -- "$option" "$work/man-page" || fail "the manual page of menulark-page lacks $option"
done
desktop-file-validate /usr/share/applications/menulark.desktop || fail "desktop-file-validate rejects the menu entry"
appstreamcli validate --no-net /usr/share/metainfo/*.metainfo.xml >"$work/appstream.log" 2>&1 ||
  fail "appstreamcli validate: $(cat "$work/appstream.log")"
lintian --suppress-tags-from-file /dev/null "$deb" >"$work/lintian.log" 2>&1
grep -q '^E: ' "$work/lintian.log" && fail "lintian reports errors: $(grep '^E: ' "$work/lintian.log")"

# --- The window as an ordinary user, on a private display.
useradd --home-dir "$work/home" --create-home --shell /bin/sh --user-group "$user" ||
  { echo "FAIL: cannot add the test user $user" >&2; exit 1; }
home="$work/home"
for n in $(seq 140 180); do
  [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] || { display=":$n"; break; }
done
Xvfb "$display" -screen 0 1280x1024x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "FAIL: Xvfb did not start" >&2; exit 1; }

mkdir -p "$work/stubs"
cat >"$work/stubs/xdg-open" <<STUB
#!/bin/sh
printf '%s\n' "\$@" >>"$work/opened"
STUB
chmod 755 "$work/stubs/xdg-open"
: >"$work/opened"
chmod 666 "$work/opened"

exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/menulark.desktop)
command_path=${exec_line//\"/}
(cd "$home" && exec runuser -u "$user" -- env -i HOME="$home" DISPLAY="$DISPLAY" LANG=C.UTF-8 \
  PATH="$work/stubs:/usr/bin:/bin" "$command_path") >"$work/program.log" 2>&1 &
program_pid=$!

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Menulark$' 2>/dev/null | head -1)
if [ -z "$window" ]; then
  cat "$work/program.log" >&2
  echo "FAIL: the installed program showed no window" >&2
  exit 1
fi
title="Package check $$"
xdotool windowfocus --sync "$window"
xdotool type --delay 20 "$title"
xdotool key Tab ctrl+a
xdotool type --delay 20 "http://example.test/packaged"
xdotool key Tab
xdotool type --delay 20 "Typed by the package test"
xdotool key alt+a
sleep 0.3
xdotool key alt+c
for _ in $(seq 100); do [ -s "$work/opened" ] && break; sleep 0.1; done

folder="$home/.local/share/menulark"
page="$folder/Popup.htm"
grep -qF "$title" "$page" 2>/dev/null || fail "no page with the typed entry at $page"
[ "$(stat -c %U "$page" 2>/dev/null)" = "$user" ] || fail "$page is not the user's"
[ "$(stat -c %a "$folder" 2>/dev/null)" = 700 ] || fail "$folder is not private to the user"
[ "$(head -1 "$work/opened")" = "$page" ] || fail "the opener got '$(head -1 "$work/opened")', expected '$page'"
[ -e /usr/lib/menulark/Popup.htm ] && fail "a page appeared in /usr/lib/menulark/"
# The note that says where the page went: a second window of the program.
notes=""
for _ in $(seq 50); do
  notes=$(xdotool search --onlyvisible --name '^Menulark$' 2>/dev/null | grep -vx "$window" | head -1)
  [ -n "$notes" ] && break
  sleep 0.1
done
[ -n "$notes" ] || fail "no note said where the page went"

# Help (F1) still opens the installed help.
xdotool windowfocus --sync "$window"
sleep 0.3
xdotool key F1
for _ in $(seq 50); do [ "$(wc -l <"$work/opened")" -ge 2 ] && break; sleep 0.1; done
[ "$(sed -n 2p "$work/opened")" = /usr/lib/menulark/readme.htm ] ||
  fail "Help opened '$(sed -n 2p "$work/opened")', expected /usr/lib/menulark/readme.htm ($(cat "$work/program.log"))"
kill "$program_pid" 2>/dev/null
wait "$program_pid" 2>/dev/null
program_pid=""

# --- Remove, then purge: nothing of the package is left.
DEBIAN_FRONTEND=noninteractive apt-get remove -y -q menulark >"$work/remove.log" 2>&1 || fail "apt-get remove failed"
left=$(while IFS= read -r path; do [ -e "$path" ] || [ -L "$path" ] && echo "$path"; done <"$work/new-paths")
[ -z "$left" ] || fail "apt-get remove left: $left"
# apt no longer knows a removed package that came from a file: dpkg purges it.
dpkg --purge menulark >>"$work/remove.log" 2>&1 || fail "dpkg --purge failed: $(tail -5 "$work/remove.log")"
dpkg-query -W -f='${Status}' menulark 2>/dev/null | grep -q 'installed' && fail "dpkg still knows menulark"
[ -e /var/lib/dpkg/info/menulark.list ] && fail "dpkg still lists menulark's files"

userdel "$user" 2>/dev/null || fail "cannot remove the test user"
[ "$failures" -eq 0 ] || exit 1
echo "installed $deb with apt, wrote and opened $page as $user, removed and purged it: $((SECONDS - started)) s"
