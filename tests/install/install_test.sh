#!/usr/bin/env bash
# Installs Menulark into a fresh prefix, starts it the way the desktop menu
# does (the Exec line of the installed menu entry, from another working
# directory, with the prefix's bin/ not on PATH), types one menu entry, adds
# it (Alt+A) and creates the page (Alt+C) with xdotool, then uninstalls.
# Needs an X display: ctest runs under scripts/with-display.
# Usage: install_test.sh <build-dir> <source-dir>
set -uo pipefail
build=${1:?usage: install_test.sh <build-dir> <source-dir>}
source=${2:?usage: install_test.sh <build-dir> <source-dir>}

for tool in xdotool xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/install-deps installs it)" >&2; exit 1; }
done
xdpyinfo >/dev/null 2>&1 || { echo "FAIL: no X display; run under scripts/with-display" >&2; exit 1; }

work=$(mktemp -d)
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# A space in the prefix checks the quoting of the menu entry's Exec line.
prefix="$work/user prefix"
mkdir -p "$prefix/bin"
echo "not Menulark's" >"$prefix/bin/other-tool"

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || {
  cat "$work/install.log" >&2
  fail "cmake --install failed"
  exit 1
}

# --- What went where.
program_dir="$prefix/lib/menulark"
[ -x "$program_dir/menulark" ] && [ ! -L "$program_dir/menulark" ] || fail "no program at $program_dir/menulark"
cmp -s "$source/resources/readme.htm" "$program_dir/readme.htm" || fail "readme.htm is not beside the program"
[ -x "$prefix/bin/menulark-page" ] || fail "no bin/menulark-page"
[ -L "$prefix/bin/menulark" ] || fail "bin/menulark is not a launcher link"
[ "$(readlink -f "$prefix/bin/menulark")" = "$(readlink -f "$program_dir/menulark")" ] ||
  fail "bin/menulark does not lead to the program"
for size in 32 64; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/menulark.png"
  # The PNG signature, then the width and height from the IHDR chunk.
  header=$(od -An -tx1 -N24 "$icon" 2>/dev/null | tr -d ' \n')
  [ "${header:0:16}" = 89504e470d0a1a0a ] || fail "$icon is not a PNG"
  [ "${header:32:16}" = "$(printf '%08x%08x' "$size" "$size")" ] || fail "$icon is not ${size}x${size}"
done
"$prefix/bin/menulark-page" --help >/dev/null 2>&1 || fail "installed menulark-page --help fails"

# --- Start it as the menu would: from the Exec line, elsewhere, with a stub
# default program that notes what it was asked to open.
entry="$prefix/share/applications/menulark.desktop"
exec_line=$(grep '^Exec=' "$entry")
expected_exec="Exec=\"$prefix/bin/menulark\""
[ "$exec_line" = "$expected_exec" ] || fail "menu entry has '$exec_line', expected '$expected_exec'"
command_path=${exec_line#Exec=\"}
command_path=${command_path%\"}

mkdir -p "$work/stubs" "$work/elsewhere" "$work/home"
cat >"$work/stubs/xdg-open" <<STUB
#!/bin/sh
printf '%s\n' "\$@" >>"$work/opened"
STUB
chmod +x "$work/stubs/xdg-open"

title="Install check $$"
url="http://example.test/installed"
explanation="Typed by the install test"
(cd "$work/elsewhere" && HOME="$work/home" PATH="$work/stubs:/usr/bin:/bin" exec "$command_path") \
  >"$work/program.log" 2>&1 &
program_pid=$!

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Menulark$' 2>/dev/null | head -1)
if [ -z "$window" ]; then
  cat "$work/program.log" >&2
  fail "the installed program showed no window"
  exit 1
fi
xdotool windowfocus --sync "$window"
xdotool type --delay 20 "$title"
xdotool key Tab ctrl+a
xdotool type --delay 20 "$url"
xdotool key Tab
xdotool type --delay 20 "$explanation"
xdotool key alt+a
sleep 0.3
xdotool key alt+c
for _ in $(seq 100); do
  [ -s "$work/opened" ] && break
  sleep 0.1
done

page="$program_dir/Popup.htm"
[ -f "$page" ] || fail "no page in the program folder $program_dir"
for typed in "$title" "$url" "$explanation"; do
  grep -qF "$typed" "$page" 2>/dev/null || fail "the page lacks '$typed'"
done
opened=$(cat "$work/opened" 2>/dev/null)
[ "$opened" = "$page" ] || fail "the default program was asked to open '$opened', expected '$page'"
leftovers=$(ls -A "$work/elsewhere")
[ -z "$leftovers" ] || fail "files appeared in the working directory: $leftovers"

# "&Ok/Cancel" asks first, since the typed entry was never saved in a menu
# file; "Don't save" then ends the program.
xdotool key alt+o
question=""
for _ in $(seq 100); do
  question=$(xdotool search --onlyvisible --name '^menulark$' 2>/dev/null | head -1)
  [ -n "$question" ] && break
  sleep 0.1
done
[ -n "$question" ] || fail "Alt+O with an unsaved entry did not ask whether to save"
# Without a window manager the question may take the focus a moment later.
for _ in $(seq 5); do
  xdotool windowfocus --sync "$question" 2>/dev/null || true
  sleep 0.3
  xdotool key alt+n
  for _ in $(seq 10); do
    kill -0 "$program_pid" 2>/dev/null || break 2
    sleep 0.1
  done
done
for _ in $(seq 100); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
  fail "the program did not end on Alt+O"
else
  wait "$program_pid" || fail "the program ended with status $?"
fi
program_pid=""

# --- Uninstall leaves the prefix as it was, pages included.
"$source/scripts/uninstall" "$prefix" >"$work/uninstall.log" 2>&1 || fail "uninstall failed: $(cat "$work/uninstall.log")"
left=$(cd "$prefix" && find . -mindepth 1 | sort | tr '\n' ' ')
[ "$left" = "./bin ./bin/other-tool " ] || fail "after uninstall the prefix holds: $left"
grep -qF "$page" "$work/uninstall.log" || fail "uninstall did not say it removed the page"

[ "$failures" -eq 0 ] || exit 1
echo "installed, started from the menu entry, wrote $page, uninstalled"
