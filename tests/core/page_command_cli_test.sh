#!/usr/bin/env bash
# End-to-end test of the menulark-page command: runs the real binary
# ($MENULARK_PAGE) on menu entries and compares the files it writes, byte for
# byte, with the expected pages under $MENULARK_TEST_DATA_DIR, whole or assembled
# from its template texts.
set -uo pipefail

: "${MENULARK_PAGE:?set MENULARK_PAGE to the menulark-page binary}"
: "${MENULARK_TEST_DATA_DIR:?set MENULARK_TEST_DATA_DIR to the tests/data folder}"
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
# Windows words its reasons itself (FormatMessageW or the C runtime), and
# they differ between Windows versions and Wine: there only the start of such
# a message is checked here; core_tests checks the texts exactly.
on_windows=${MENULARK_PAGE_ON_WINDOWS:-}

# reason_for COMMAND...: the system's text that ends COMMAND's error message
# (nothing on Windows).
reason_for() {
  [ -n "$on_windows" ] && return 0
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

# template NAME: sets $text to the template file's bytes, trailing line feeds
# included (command substitution would drop them).
template() { IFS= read -r -d '' text <"$MENULARK_TEST_DATA_DIR/templates/$1.txt" || true; }
template styled_head && styled_head=$text
template styled_frame && styled_frame=$text
template styled_entry && styled_entry=$text
template styled_close && styled_close=$text
template styled_tail && styled_tail=$text

# expect_golden FILE NAME WHAT: FILE must be the expected page NAME.
expect_golden() {
  if ! cmp -s "$MENULARK_TEST_DATA_DIR/pages/$2.htm" "$1"; then
    fail "$3: $1 differs from pages/$2.htm"
    cmp "$MENULARK_TEST_DATA_DIR/pages/$2.htm" "$1" >&2
  fi
}

items=$(<"$MENULARK_TEST_DATA_DIR/entries.tsv")$'\n'

mkdir -p "$work/cwd"

# --- simple look from standard input, and the same from a file
input=$items
run -o "$work/stdin.htm"
expect_status 0 "stdin"
expect_out "Wrote $work/stdin.htm (2 entries)" "stdin"
expect_err "" "stdin"
expect_golden "$work/stdin.htm" simple "simple look from stdin"

printf '%s' "$items" >"$work/items.tsv"
input="ignored	standard	input"
run "$work/items.tsv" -o "$work/file.htm"
expect_status 0 "file input"
expect_golden "$work/file.htm" simple "simple look from a file"
cmp -s "$work/stdin.htm" "$work/file.htm" || fail "stdin and file input give different pages"

# --- CR LF on disk: no bare line feed, nothing after </HTML>
lf_count=$(tr -cd '\n' <"$work/stdin.htm" | wc -c)
crlf_count=$(grep -c $'\r$' "$work/stdin.htm")
((crlf_count == lf_count)) || fail "$crlf_count CR LF line ends, expected $lf_count"
[[ $(tail -c 7 "$work/stdin.htm") == "</HTML>" ]] || fail "file does not end with </HTML>"

# --- default output: Popup.htm in the working directory
printf '%s' "$items" >"$work/stdin"
(cd "$work/cwd" && "$MENULARK_PAGE" <"$work/stdin" >"$work/stdout" 2>&1) || fail "default output: exit $?"
expect_golden "$work/cwd/Popup.htm" simple "default output file"
[[ $(<"$work/stdout") == "Wrote Popup.htm (2 entries)" ]] || fail "default output message: $(<"$work/stdout")"

# --- styled look, with and without scroll-bar colours, with --set values
input=$items
run --styled -o "$work/styled.htm"
expect_status 0 "styled"
expect_golden "$work/styled.htm" styled "styled defaults"

run --styled --no-scrollbar-colors --set scrollbarArrowColor=unused -o "$work/plain.htm"
expect_status 0 "styled without scroll-bar colours"
expect_golden "$work/plain.htm" styled_no_scrollbar_colors "styled without scroll-bar colours"
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
expect_golden "$work/ignored.htm" simple "style values in the simple look"

# --- --help
run --help
expect_status 0 "--help"
[[ $out == "Usage: menulark-page"* ]] || fail "--help does not start with the usage line"
[[ $out == *scrollbar3dlightColor* ]] || fail "--help does not list the style fields"

# --- --version: the project's version (CMake's project(VERSION)), nothing written
if [[ -n ${MENULARK_VERSION:-} ]]; then
  (cd "$work" && "$MENULARK_PAGE" --version >"$work/version.out" 2>"$work/version.err" </dev/null)
  status=$?
  out=$(<"$work/version.out")
  err=$(<"$work/version.err")
  expect_status 0 "--version"
  expect_out "menulark-page $MENULARK_VERSION" "--version"
  [[ -e $work/Popup.htm ]] && fail "--version wrote a page"
fi

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
check_refused "no items" "menulark-page: standard input: the file is empty"
input=""
check_refused "empty input" "menulark-page: standard input: the file is empty"
input=$items
check_refused "unknown field" 'unknown style field "colour"' --set colour=red
check_refused "unknown option" "unknown option --bogus" --bogus
check_refused "missing input file" "cannot read $work/absent.tsv: $(reason_for cat "$work/absent.tsv")" \
  "$work/absent.tsv"

# --- endless input stops at the ceiling: exit 2, nothing written
if [[ -c /dev/zero ]]; then
  input=""
  check_refused "endless menu file" "menulark-page: cannot read /dev/zero: the input is larger than 256 MiB" \
    --menu /dev/zero
  "$MENULARK_PAGE" -o "$work/new.htm" </dev/zero >"$work/stdout" 2>"$work/stderr"
  status=$? err=$(<"$work/stderr")
  expect_status 2 "endless standard input"
  expect_err "menulark-page: cannot read standard input: the input is larger than 256 MiB" "endless standard input"
fi

# --- input that cannot be read: exit 2 with the system's reason
input=$items
check_refused "directory as input" \
  "menulark-page: cannot read $work/cwd: $(reason_for cat "$work/cwd")" "$work/cwd"
check_refused "I/O error while reading" \
  "menulark-page: cannot read /proc/self/mem: $(reason_for cat /proc/self/mem)" /proc/self/mem
"$MENULARK_PAGE" -o "$work/new.htm" <"$work/cwd" >"$work/stdout" 2>"$work/stderr"
status=$? err=$(<"$work/stderr")
expect_status 2 "directory as standard input"
if [ -n "$on_windows" ]; then
  expect_err_has "menulark-page: cannot read standard input: " "directory as standard input"
else
  expect_err "menulark-page: cannot read standard input: $(reason_for cat "$work/cwd")" "directory as standard input"
fi

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
    if [ -n "$on_windows" ]; then
      expect_err_has "menulark-page: cannot write to standard output" "full standard output ($args)"
    else
      expect_err "menulark-page: cannot write to standard output: $full_reason" "full standard output ($args)"
    fi
  done
  expect_golden "$work/full.htm" simple "page written although standard output was full"
fi

# --- exit status 1: the file cannot be written
input=$items
run -o "$work/missing/page.htm"
expect_status 1 "missing directory"
if [ -n "$on_windows" ]; then
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
