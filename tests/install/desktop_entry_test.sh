#!/usr/bin/env bash
# Installs Menulark into a fresh prefix and checks the menu entry: valid by
# desktop-file-validate, its command the installed launcher by absolute path,
# and its icon name found in the hicolor theme.
# Usage: desktop_entry_test.sh <build-dir>
set -uo pipefail
build=${1:?usage: desktop_entry_test.sh <build-dir>}

command -v desktop-file-validate >/dev/null ||
  { echo "FAIL: desktop-file-validate is missing (package desktop-file-utils)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Characters the entry must escape: a space, a dollar sign, a percent sign.
prefix="$work/odd \$name 100%"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || {
  cat "$work/install.log" >&2
  exit 1
}
entry="$prefix/share/applications/menulark.desktop"
[ -f "$entry" ] || { echo "FAIL: no $entry" >&2; exit 1; }

desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"

value() { sed -n "s/^$1=//p" "$entry"; }
[ "$(value Type)" = Application ] || fail "Type is '$(value Type)'"
[ "$(value Name)" = Menulark ] || fail "Name is '$(value Name)'"
[ "$(value Terminal)" = false ] || fail "Terminal is '$(value Terminal)'"
[[ ";$(value Categories)" == *";Development;"* ]] || fail "Categories '$(value Categories)' lack Development"
# Exec: one quoted argument; inside quotes $ is escaped as \$, and the string
# level doubles the backslash; % is written %%.
launcher="$prefix/bin/menulark"
escaped=${launcher//\$/\\\\\$}
escaped=${escaped//%/%%}
[ "$(value Exec)" = "\"$escaped\"" ] || fail "Exec is '$(value Exec)', expected '\"$escaped\"'"
[ "$(value TryExec)" = "$launcher" ] || fail "TryExec is '$(value TryExec)'"
[ -x "$launcher" ] || fail "the launcher $launcher does not run"

icon=$(value Icon)
[ "$icon" = menulark ] || fail "Icon is '$icon'"
found=$(find "$prefix/share/icons/hicolor" -path "*/apps/$icon.png" | wc -l)
[ "$found" -ge 1 ] || fail "no $icon.png in the hicolor theme"

[ "$failures" -eq 0 ] || exit 1
echo "menu entry valid: $entry"
