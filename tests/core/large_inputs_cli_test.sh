#!/usr/bin/env bash
# Large inputs through menulark-page: 100,000 entries in every look, and one
# entry whose title, URL and explanation are a megabyte each. Nothing may be
# cut: every entry and every byte of the long values must reach the page.
set -euo pipefail
: "${MENULARK_PAGE:?path of menulark-page}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

rows=100000
awk -v n="$rows" 'BEGIN { for (i = 1; i <= n; i++) printf "Entry %d\thttp://example.com/%d\tTip %d\n", i, i, i }' \
  >"$work/items.tsv"

count() { grep -o -- "$1" "$2" | wc -l; }

"$MENULARK_PAGE" -o "$work/simple.htm" "$work/items.tsv" >/dev/null
[ "$(count 'parent.navi(this.name)' "$work/simple.htm")" -eq "$rows" ] || fail "simple look lost entries"
grep -q '>Entry 100000</div>' "$work/simple.htm" || fail "simple look lost the last entry"

"$MENULARK_PAGE" --styled -o "$work/styled.htm" "$work/items.tsv" >/dev/null
[ "$(count 'popshow(2, this.name)' "$work/styled.htm")" -eq "$rows" ] || fail "styled look lost entries"

"$MENULARK_PAGE" --modern --styled -o "$work/modern.htm" "$work/items.tsv" >/dev/null
[ "$(count 'role="menuitem" tabindex="-1" dir="auto">Entry ' "$work/modern.htm")" -eq "$rows" ] || fail "modern page lost entries"
grep -q '>Entry 100000</a>' "$work/modern.htm" || fail "modern page lost the last entry"

megabyte() { head -c 1048576 /dev/zero | tr '\0' "$1"; }
title="$(megabyte t)<end of title>"
url="http://example.com/$(megabyte u)"
explanation="$(megabyte e)!"
printf '%s\t%s\t%s\n' "$title" "$url" "$explanation" >"$work/long.tsv"
"$MENULARK_PAGE" -o "$work/long.htm" "$work/long.tsv" >/dev/null
# A megabyte is too long for one argument; grep reads each pattern from a file.
contains() { printf '%s' "$1" >"$work/pattern"; grep -qF -f "$work/pattern" "$work/long.htm"; }
contains ">$title</div>" || fail "the long title was cut"
contains "name=\"$url\"" || fail "the long URL was cut"
contains "title=\"$explanation\"" || fail "the long explanation was cut"

echo "large inputs: $rows entries in three looks and three 1 MiB values, all whole"
