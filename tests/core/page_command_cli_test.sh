#!/usr/bin/env bash
# End-to-end test of the menulark-page command: runs the real binary
# ($MENULARK_PAGE) on menu entries and compares the files it writes, byte for
# byte, with pages assembled here from the template texts.
set -uo pipefail

: "${MENULARK_PAGE:?set MENULARK_PAGE to the menulark-page binary}"
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# run ARGS...: runs the command with stdin from $input; sets status, out, err.
input=""
run() {
  # From a file, not a pipe: a command that does not read its input must
  # not make the writer's SIGPIPE count as its exit status.
  printf '%s' "$input" >"$work/stdin"
  "$MENULARK_PAGE" "$@" <"$work/stdin" >"$work/stdout" 2>"$work/stderr"
  status=$?
  out=$(<"$work/stdout")
  err=$(<"$work/stderr")
}

expect_status() { [[ $status == "$1" ]] || fail "$2: exit status $status, expected $1 (stderr: $err)"; }
expect_out() { [[ $out == "$1" ]] || fail "$2: stdout '$out', expected '$1'"; }
expect_err() { [[ $err == "$1" ]] || fail "$2: stderr '$err', expected '$1'"; }
expect_err_has() { [[ $err == *"$1"* ]] || fail "$2: stderr '$err' lacks '$1'"; }
# reason_for COMMAND...: the system's text that ends COMMAND's error message.
reason_for() {
  local message
  message=$("$@" 2>&1 >/dev/null)
  printf '%s' "${message##*: }"
}

# fill TEMPLATE VALUE...: sets $filled to TEMPLATE with its %s/%i placeholders
# replaced left to right (no command substitution: it would eat line feeds).
fill() {
  local rest=$1 value
  shift
  filled=""
  for value in "$@"; do
    filled+="${rest%%%[si]*}$value"
    rest=${rest#*%[si]}
  done
  filled+=$rest
}

# expect_page FILE PAGE WHAT: FILE must hold PAGE with CR LF line ends.
expect_page() {
  local file=$1 page=$2 what=$3
  printf '%s' "${page//$'\n'/$'\r\n'}" >"$work/expected"
  if [[ ! -f $file ]]; then
    fail "$what: $file was not written"
  elif ! cmp -s "$work/expected" "$file"; then
    fail "$what: $file differs from the expected page"
    cmp "$work/expected" "$file" >&2
  fi
}

# template 105
simple_head=$'<HTML>\n'
simple_head+=$'<HEAD>\n'
simple_head+=$'<SCRIPT language=\"Javascript\">\n'
simple_head+=$'var popm =  window.createPopup();\n'
simple_head+=$'function popshow()\n'
simple_head+=$'{\n'
simple_head+=$'var oSc = window.event.srcElement;\n'
simple_head+=$'\tvar leftposi = event.offsetY;\n'
simple_head+=$'\tvar topposi = event.offsetX+15;\n'
simple_head+=$'\tpopm.document.body.innerHTML = oCont.innerHTML; \n'
simple_head+=$'\tpopm.show(topposi, leftposi, 210, %i, oSc);\n'
simple_head+=$'}\n'
simple_head+=$'function navi(url)\n'
simple_head+=$'{\n'
simple_head+=$'\tlocation.href = url;\n'
simple_head+=$'}\n'
simple_head+=$'</SCRIPT>\n'
simple_head+=$'<STYLE>\n'
simple_head+=$'#oCont{display:none;}\n'
simple_head+=$'</STYLE>\n'
simple_head+=$'</HEAD>\n'
simple_head+=$'<BODY oncontextmenu=\"popshow(); return false\">\n'
simple_head+=$'<div id=oCont  style=\"position:absolute;\">\n'
simple_head+=$'<div style=\"height:76;overflow-x:hidden;overflow:auto;cursor:hand;background-color:lightsteelblue;color:darkblue;font:600 14px MS Sans Serif;border:0.05cm groove lightsteelblue;\">'
# template 106
simple_entry=$'<div title=\"%s\" name=\"%s\" onclick=\"parent.navi(this.name);\" onmouseover=\"this.style.backgroundColor = \'red\';\" onmouseout=\"this.style.backgroundColor = \'lightsteelblue\';\" style=\"border:0.03cm outset steelblue;\">%s</div>'
# template 107
simple_tail=$'</div>\n'
simple_tail+=$'</div>\n'
simple_tail+=$'Right-click on the body.\n'
simple_tail+=$'</BODY>\n'
simple_tail+=$'</HTML>'
# template 109
styled_head=$'<HTML>\n'
styled_head+=$'<HEAD>\n'
styled_head+=$'<SCRIPT language=\"Javascript\">\n'
styled_head+=$'function popshow(i, url)\n'
styled_head+=$'{\n'
styled_head+=$'\tswitch (i)\n'
styled_head+=$'\t{\n'
styled_head+=$'\tcase 1: \n'
styled_head+=$'\t\tvar topposi = event.y;\n'
styled_head+=$'\t\tvar leftposi = event.x+15;\n'
styled_head+=$'\t\toCont.style.posLeft =leftposi;\n'
styled_head+=$'\t\toCont.style.posTop = topposi;\n'
styled_head+=$'\t\toCont.style.display = \"\";\n'
styled_head+=$'\t\tbreak;\n'
styled_head+=$'\tcase 2: \n'
styled_head+=$'\t\tif (url != \"\")\n'
styled_head+=$'\t\t{\n'
styled_head+=$'\t\t\tlocation.href = url;\n'
styled_head+=$'\t\t}\n'
styled_head+=$'\t\tbreak;\n'
styled_head+=$'\tdefault:\n'
styled_head+=$'\t\tbreak;\n'
styled_head+=$'\t}\n'
styled_head+=$'}\n'
styled_head+=$'function checkOBJ()\n'
styled_head+=$'{\n'
styled_head+=$'\tvar so = event.srcElement.tagName;\n'
styled_head+=$'\tif (so == \"BODY\")\n'
styled_head+=$'\t{\n'
styled_head+=$'\t\toCont.style.display=\'none\';\n'
styled_head+=$'\t}\n'
styled_head+=$'}\n'
styled_head+=$'</SCRIPT>\n'
styled_head+=$'</HEAD>\n'
styled_head+=$'<BODY oncontextmenu=\"popshow(1, \'\'); return false\" onclick=\"checkOBJ();\">\n'
styled_head+=$'<!--Menus-->\n'
styled_head+=$'<div id=oCont style=\"display:none;position:absolute;\">'
# template 113
styled_frame=$'\n'
styled_frame+=$'<div style=\"overflow-x:hidden;overflow-y:auto;width:%s;height:%s;cursor:hand;background-color:%s;color:%s;font:%s %spx %s;border:%s %s %s;scrollbar-arrow-color:%s;scrollbar-highlight-color:%s;scrollbar-3dlight-color:%s;scrollbar-shadow-color:%s;\">\n'
# template 120
styled_frame_plain=$'\n'
styled_frame_plain+=$'<div style=\"overflow-x:hidden;overflow-y:visible;width:%s;height:%s;cursor:hand;background-color:%s;color:%s;font:%s %spx %s;border:%s %s %s;\">\n'
# template 111
styled_entry=$'<div title=\"%s\" name=\"%s\" onclick=\"popshow(%i, this.name);\" onmouseover=\"this.style.backgroundColor = \'%s\'; \" onmouseout=\"this.style.backgroundColor = \'%s\';\" style=\"border:%s %s %s;\">%s</div>\n'
# template 112
styled_close=$'</div>\n'
styled_close+=$'</div>\n'
# template 115
styled_tail=$'Right-click on the body.\n'
styled_tail+=$'</BODY>\n'
styled_tail+=$'</HTML>'

defaults=(200 75 lightsteelblue darkblue 600 14 "MS Sans Serif" 1 groove lightsteelblue)
scrollbar_defaults=(steelblue lightsteelblue lightslategray darkblue)
items=$'Home\thttp://example.org/\tGo home\nNews\thttp://example.org/news\tLatest "news" & <more>\n'

# Simple page for the two items, popup height 2 x 19.
fill "$simple_head" 38
simple_page=$filled
fill "$simple_entry" "Go home" "http://example.org/" "Home"
simple_page+=$filled
fill "$simple_entry" "Latest &quot;news&quot; & <more>" "http://example.org/news" "News"
simple_page+=$filled$simple_tail

# Styled page entries with the default entry colours and border.
styled_entries=""
fill "$styled_entry" "Go home" "http://example.org/" 2 red lightsteelblue 1 groove lightsteelblue "Home"
styled_entries+=$filled
fill "$styled_entry" "Latest &quot;news&quot; & <more>" "http://example.org/news" 2 red lightsteelblue 1 groove \
  lightsteelblue "News"
styled_entries+=$filled

mkdir -p "$work/cwd"

# --- simple look from standard input, and the same from a file
input=$items
run -o "$work/stdin.htm"
expect_status 0 "stdin"
expect_out "Wrote $work/stdin.htm (2 entries)" "stdin"
expect_err "" "stdin"
expect_page "$work/stdin.htm" "$simple_page" "simple look from stdin"

printf '%s' "$items" >"$work/items.tsv"
input="ignored	standard	input"
run "$work/items.tsv" -o "$work/file.htm"
expect_status 0 "file input"
expect_page "$work/file.htm" "$simple_page" "simple look from a file"
cmp -s "$work/stdin.htm" "$work/file.htm" || fail "stdin and file input give different pages"

# --- CR LF on disk: no bare line feed, size = text length + line feeds,
# nothing after </HTML>
lf_count=$(printf '%s' "$simple_page" | tr -cd '\n' | wc -c)
size=$(stat -c %s "$work/stdin.htm")
((size == ${#simple_page} + lf_count)) || fail "file size $size, expected ${#simple_page} + $lf_count"
crlf_count=$(grep -c $'\r$' "$work/stdin.htm")
((crlf_count == lf_count)) || fail "$crlf_count CR LF line ends, expected $lf_count"
[[ $(tail -c 7 "$work/stdin.htm") == "</HTML>" ]] || fail "file does not end with </HTML>"

# --- default output: Popup.htm in the working directory
printf '%s' "$items" >"$work/stdin"
(cd "$work/cwd" && "$MENULARK_PAGE" <"$work/stdin" >"$work/stdout" 2>&1) || fail "default output: exit $?"
expect_page "$work/cwd/Popup.htm" "$simple_page" "default output file"
[[ $(<"$work/stdout") == "Wrote Popup.htm (2 entries)" ]] || fail "default output message: $(<"$work/stdout")"

# --- styled look, with and without scroll-bar colours, with --set values
input=$items
run --styled -o "$work/styled.htm"
expect_status 0 "styled"
fill "$styled_frame" "${defaults[@]}" "${scrollbar_defaults[@]}"
expect_page "$work/styled.htm" "$styled_head$filled$styled_entries$styled_close$styled_tail" "styled defaults"

run --styled --no-scrollbar-colors --set scrollbarArrowColor=unused -o "$work/plain.htm"
expect_status 0 "styled without scroll-bar colours"
fill "$styled_frame_plain" "${defaults[@]}"
expect_page "$work/plain.htm" "$styled_head$filled$styled_entries$styled_close$styled_tail" \
  "styled without scroll-bar colours"
grep -q unused "$work/plain.htm" && fail "scroll-bar value written although switched off"

input=$'A\thttp://a/\ta\n'
run --styled --set width=300 --set fontSize= --set 'fontFamily=Comic Sans MS' --set 'fontColor=a"b' \
  --set scrollbarShadowColor=navy -o "$work/set.htm"
expect_status 0 "styled with values"
fill "$styled_frame" 300 75 lightsteelblue "a&quot;b" 600 "" "Comic Sans MS" 1 groove lightsteelblue \
  steelblue lightsteelblue lightslategray navy
page="$styled_head$filled"
fill "$styled_entry" a http://a/ 2 red lightsteelblue 1 groove lightsteelblue A
expect_page "$work/set.htm" "$page$filled$styled_close$styled_tail" "styled with --set values"

# --- style values without --styled change nothing
input=$items
run --set fontColor=navy --no-scrollbar-colors -o "$work/ignored.htm"
expect_page "$work/ignored.htm" "$simple_page" "style values in the simple look"

# --- --help
run --help
expect_status 0 "--help"
[[ $out == "Usage: menulark-page"* ]] || fail "--help does not start with the usage line"
[[ $out == *scrollbar3dlightColor* ]] || fail "--help does not list the style fields"

# --- exit status 2: bad input, nothing written (new or existing file)
printf 'previous' >"$work/kept.htm"
check_refused() {
  local what=$1 message=$2
  shift 2
  rm -f "$work/new.htm"
  run "$@" -o "$work/new.htm"
  expect_status 2 "$what"
  expect_err_has "$message" "$what"
  expect_out "" "$what"
  [[ -e $work/new.htm ]] && fail "$what: a file was written"
  run "$@" -o "$work/kept.htm"
  expect_status 2 "$what (existing file)"
  [[ $(<"$work/kept.htm") == previous ]] || fail "$what: the existing file changed"
}
input=$'A\tu\te\nB\t\tf\n'
check_refused "empty field" "line 2: Please make sure that all text boxes are filled out."
input=$'A\tu\te\n\n\tu\te\n'
check_refused "empty title" "line 3: Please make sure that all text boxes are filled out."
input=$'A\tu\n'
check_refused "one tab" "line 1: expected title, URL and explanation separated by two tabs"
input=$'A\tu\te\tx\n'
check_refused "three tabs" "line 1: expected title, URL and explanation separated by two tabs"
input=$'\n\n'
check_refused "no items" "Please add the items first."
input=""
check_refused "empty input" "Please add the items first."
input=$items
check_refused "unknown field" 'unknown style field "colour"' --set colour=red
check_refused "unknown option" "unknown option --bogus" --bogus
check_refused "missing input file" "cannot read $work/absent.tsv: $(reason_for cat "$work/absent.tsv")" \
  "$work/absent.tsv"

# --- input that cannot be read: exit 2 with the system's reason
input=$items
check_refused "directory as input" \
  "menulark-page: cannot read $work/cwd: $(reason_for cat "$work/cwd")" "$work/cwd"
check_refused "I/O error while reading" \
  "menulark-page: cannot read /proc/self/mem: $(reason_for cat /proc/self/mem)" /proc/self/mem
"$MENULARK_PAGE" -o "$work/new.htm" <"$work/cwd" >"$work/stdout" 2>"$work/stderr"
status=$? err=$(<"$work/stderr")
expect_status 2 "directory as standard input"
expect_err "menulark-page: cannot read standard input: $(reason_for cat "$work/cwd")" "directory as standard input"

# --- standard output that cannot be written: exit 1, the page is written
if [[ -c /dev/full ]]; then
  full_reason=$(reason_for bash -c 'echo x >/dev/full')
  printf '%s' "$items" >"$work/stdin"
  for args in "--help" "-o $work/full.htm"; do
    rm -f "$work/full.htm"
    # shellcheck disable=SC2086 # the words of $args are the arguments
    "$MENULARK_PAGE" $args <"$work/stdin" >/dev/full 2>"$work/stderr"
    status=$? err=$(<"$work/stderr")
    expect_status 1 "full standard output ($args)"
    expect_err "menulark-page: cannot write to standard output: $full_reason" "full standard output ($args)"
  done
  expect_page "$work/full.htm" "$simple_page" "page written although standard output was full"
fi

# --- exit status 1: the file cannot be written
input=$items
run -o "$work/missing/page.htm"
expect_status 1 "missing directory"
if [ -n "${MENULARK_PAGE_ON_WINDOWS:-}" ]; then
  # The reason is the system's own text (FormatMessageW), which differs
  # between Windows versions and Wine; core_tests checks it exactly.
  [[ $err == "menulark-page: cannot write $work/missing/page.htm: "?* && $err != *$'\r'* ]] ||
    fail "missing directory: stderr '$err'"
else
  expect_err "menulark-page: cannot write $work/missing/page.htm: No such file or directory" "missing directory"
fi
expect_out "" "missing directory"

printf 'old' >"$work/locked.htm"
chmod 444 "$work/locked.htm"
run -o "$work/locked.htm"
expect_status 1 "read-only file"
expect_err_has "menulark-page: cannot write $work/locked.htm: " "read-only file"
[[ $(<"$work/locked.htm") == old ]] || fail "read-only file was changed"

if ((failures > 0)); then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "all menulark-page checks passed"
