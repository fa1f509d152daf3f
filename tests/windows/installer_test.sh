#!/usr/bin/env bash
# Installs Menulark with its setup program, silently, into a Wine prefix;
# starts the installed program, types one entry, adds it (Alt+A) and creates
# the page (Alt+C) with xdotool; ends it (Alt+O, then Don't save: Alt+N);
# uninstalls silently; and checks that nothing is left: files, Start-menu
# entry, uninstall key.
# Needs WINEPREFIX and an X display (scripts/run-windows-tests gives both).
# Usage: installer_test.sh <setup.exe>
set -uo pipefail
setup=${1:?usage: installer_test.sh <setup.exe>}
: "${WINEPREFIX:?run under scripts/run-windows-tests}"
[ -f "$setup" ] || { echo "FAIL: no setup program $setup" >&2; exit 1; }

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
winvar() { wine cmd /c "echo %$1%" 2>/dev/null | tr -d '\r'; }
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Menulark'
snapshot() {  # the prefix's files, less Wine's own and the uninstallers' empty folders (below)
  find "$WINEPREFIX/drive_c" -path "$WINEPREFIX/drive_c/windows" -prune -o -print |
    grep -vE '/Temp/~nsu[0-9A-Za-z]*\.tmp$' | sort
}

snapshot >"$work/before"
wine "$setup" /S
wineserver -w

# --- What went where.
program_dir=$(winepath -u "$(winvar LOCALAPPDATA)\\Programs\\Menulark")
start_menu=$(winepath -u "$(winvar APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs")
for file in menulark.exe menulark-page.exe readme.htm Uninstall.exe; do
  [ -f "$program_dir/$file" ] || fail "no $file in $program_dir"
done
[ -f "$start_menu/Menulark.lnk" ] || fail "no Start-menu entry in $start_menu"
wine reg query "$uninstall_key" /v UninstallString >/dev/null 2>&1 || fail "no uninstall entry $uninstall_key"

# --- Start it, with a recording stand-in for the desktop's opener: Wine
# hands files it cannot open itself to the host's xdg-open.
mkdir -p "$work/stubs" "$work/elsewhere"
cat >"$work/stubs/xdg-open" <<STUB
#!/bin/sh
printf '%s\n' "\$@" >>"$work/opened"
STUB
chmod +x "$work/stubs/xdg-open"
title="Install check $$"
url="http://example.test/installed"
explanation="Typed by the installer test"
(cd "$work/elsewhere" && PATH="$work/stubs:$PATH" exec wine "$program_dir/menulark.exe") >"$work/program.log" 2>&1 &
program_pid=$!

window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Menulark$' 2>/dev/null | head -1)
if [ -z "$window" ]; then
  cat "$work/program.log" >&2
  fail "the installed program showed no window"
  exit 1
fi
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowactivate "$window" 2>/dev/null
sleep 0.5
xdotool type --delay 30 "$title"
xdotool key Tab ctrl+a
xdotool type --delay 30 "$url"
xdotool key Tab
xdotool type --delay 30 "$explanation"
xdotool key alt+a
sleep 0.5
xdotool key alt+c
page="$program_dir/Popup.htm"
for _ in $(seq 100); do
  [ -s "$page" ] && break
  sleep 0.1
done
[ -f "$page" ] || fail "no page in the program folder $program_dir"
for typed in "$title" "$url" "$explanation"; do
  grep -qF "$typed" "$page" 2>/dev/null || fail "the page lacks '$typed'"
done
leftovers=$(ls -A "$work/elsewhere")
[ -z "$leftovers" ] || fail "files appeared in the working directory: $leftovers"

# Ending with an entry that was never saved to a menu file asks first:
# Don't save (Alt+N).
xdotool key alt+o
sleep 1
xdotool key alt+n
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
wineserver -w

# --- Uninstall: everything it installed and the page it wrote are gone.
wine "$program_dir/Uninstall.exe" /S
wineserver -w
for _ in $(seq 50); do  # the uninstaller's copy finishes after it returns
  [ -e "$program_dir" ] || break
  sleep 0.1
done
[ ! -e "$program_dir" ] || fail "after uninstalling, $program_dir holds: $(ls -A "$program_dir")"
[ ! -e "$start_menu/Menulark.lnk" ] || fail "the Start-menu entry is still there"
wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "the uninstall entry is still there"
# The uninstaller runs from a copy in %TEMP% (so that it can delete itself),
# which Windows removes at the next restart: restart, then compare. Wine
# deletes the copy but keeps its empty folder, ~nsu*.tmp, which alone is
# not counted.
wineboot -r
wineserver -w
snapshot >"$work/after"
for folder in "$WINEPREFIX"/drive_c/users/*/Temp/~nsu*.tmp; do
  [ -d "$folder" ] && [ -n "$(ls -A "$folder")" ] && fail "the uninstaller's copy is left in $folder"
done
diff "$work/before" "$work/after" >"$work/diff" || fail "the prefix changed: $(cat "$work/diff")"

[ "$failures" -eq 0 ] || exit 1
echo "installed in $program_dir, started, wrote Popup.htm, uninstalled leaving nothing"
