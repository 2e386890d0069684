#!/bin/sh
# End-to-end tests of glyphwright-cli on the sample templates and on bad inputs: exit codes,
# messages that name the file, and no crash or hang (each run is bounded by `timeout`).
# usage: tests/cli/end_to_end.sh path/to/glyphwright-cli
set -u
CLI=${1:?usage: $0 path/to/glyphwright-cli}
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
T=$ROOT/templates
WORK=$(mktemp -d "${TMPDIR:-/tmp}/gw-cli-e2e.XXXXXX")
trap 'chmod -R u+w "$WORK" 2>/dev/null; rm -rf "$WORK"' EXIT
FAILED=0
PASSED=0

# run NAME EXPECTED_CODE [MESSAGE_PART] -- ARGS...: stderr must hold MESSAGE_PART when given.
run() {
  name=$1 expected=$2 message=$3
  shift 4
  timeout 60 "$CLI" "$@" >"$WORK/out" 2>"$WORK/err"
  code=$?
  if [ "$code" -ne "$expected" ]; then
    echo "FAIL $name: exit code $code, expected $expected"; sed 's/^/  stderr: /' "$WORK/err" | head -5
    FAILED=$((FAILED + 1)); return
  fi
  if [ -n "$message" ] && ! grep -qF -- "$message" "$WORK/err"; then
    echo "FAIL $name: stderr lacks \"$message\""; sed 's/^/  stderr: /' "$WORK/err" | head -5
    FAILED=$((FAILED + 1)); return
  fi
  PASSED=$((PASSED + 1))
}

check() {  # check NAME CONDITION...
  name=$1; shift
  if "$@"; then PASSED=$((PASSED + 1)); else echo "FAIL $name"; FAILED=$((FAILED + 1)); fi
}

printf '[APPLICATION]\r\nName=Sample Tool\r\nCopyright=Maker Co 2024\r\nSite=www.example.org\r\nLangauge=English\r\nType=Utility\r\n[TEAM]\r\nName=XYZ\r\nSupplied=Razorwire\r\nCracked=Nightowl\r\nCoded=Quillion\r\nTested=Razorwire\r\nPackaged=Nightowl\r\n[RELEASE]\r\nType=Retail\r\nProtection=Serial\r\nDate=07.12.2024\r\nSize=01 x 2.88 MB\r\nOs=Windows 11\r\n[RACKAGE]\r\nDelimiter=-\r\nTeam=XYZ\r\nSpacer=.\r\n[INFO]\r\nDescription=A tool.{#}Second line.\r\nInstall Info=Run Setup.exe\r\nGreetings=Hello all\r\n' >"$WORK/p.gwp"

# --- the sample templates ----------------------------------------------------------------
run help 0 "" -- --help
grep -q "exit codes" "$WORK/out"; check "help text" test $? -eq 0
for nfo in "$T"/*.nfo; do
  run "render $(basename "$nfo")" 0 "" -- render --project "$WORK/p.gwp" --nfo "$nfo"
  check "render $(basename "$nfo") fills {A}" grep -q "Sample Tool" "$WORK/out"
  check "render $(basename "$nfo") leaves no {A}" sh -c "! grep -q '{A}' '$WORK/out'"
  run "check $(basename "$nfo")" 0 "" -- check --nfo "$nfo" --project "$WORK/p.gwp"
  run "export utf8 $(basename "$nfo")" 0 "" -- export "$nfo" --utf8
  check "export $(basename "$nfo") is UTF-8" iconv -f UTF-8 -t UTF-32 "$WORK/out" -o /dev/null
done
for diz in "$T"/*.diz; do
  run "render $(basename "$diz")" 0 "" -- render --project "$WORK/p.gwp" --diz "$diz"
  run "check $(basename "$diz")" 0 "" -- check --diz "$diz" --project "$WORK/p.gwp" --json
done
run "render into a folder" 0 "" -- render --project "$WORK/p.gwp" --nfo "$T/Classic.nfo" --diz "$T/Classic.diz" --out "$WORK/rel"
check "NFO named after the team" test -s "$WORK/rel/XYZ.nfo"
check "File_ID.diz written" test -s "$WORK/rel/File_ID.diz"
"$CLI" render --project "$WORK/p.gwp" --nfo "$T/Classic.nfo" >"$WORK/stdout.nfo"
check "stdout and file agree" cmp -s "$WORK/stdout.nfo" "$WORK/rel/XYZ.nfo"
run "export html" 0 "" -- export "$T/Blocks.nfo" --html --out "$WORK/b.html"
check "html page" grep -q "line-height: 1" "$WORK/b.html"

# Version from the build, pictures, dates.
version=$(sed -n 's/^project(Glyphwright VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")
run "version" 0 "" -- --version
check "version is the project's" grep -qx "glyphwright-cli $version" "$WORK/out"
run "export png" 0 "" -- export "$T/Classic.nfo" --png --out "$WORK/c.png"
lines=$(tr -cd '\r' <"$T/Classic.nfo" | wc -c)
check "png is 8 x 79 by 16 x lines" sh -c "od -An -tx1 -j16 -N8 '$WORK/c.png' | tr -d ' \n' | grep -qx \"$(printf '%08x%08x' $((8 * 79)) $((16 * lines)))\""
run "render png" 0 "" -- render --project "$WORK/p.gwp" --nfo "$T/Classic.nfo" --png "$WORK/r.png" --colors ffffff,000080
check "render png written" sh -c "head -c 8 '$WORK/r.png' | od -An -c | grep -q 'P   N   G'"
run "dates" 0 "" -- render --project "$WORK/p.gwp" --nfo "$T/Classic.nfo" --date 2025-03-09 --date-format M/d/yyyy
check "date as the picture says" grep -q "3/9/2025" "$WORK/out"
run "bad date" 2 "--date wants" -- render --nfo "$T/Classic.nfo" --date 2025-02-30
printf '[APPLICATION]\r\nName=Tool\r\nLanguage=English\r\n[RELEASE]\r\nDate=3/14/2026\r\n' >"$WORK/typo.gwp"
run "an unknown key is a warning" 0 "did you mean Langauge=?" -- render --project "$WORK/typo.gwp" --nfo "$T/Classic.nfo"
run "--strict makes a warning exit 1" 1 "did you mean Langauge=?" -- render --project "$WORK/typo.gwp" --nfo "$T/Classic.nfo" --strict
run "a project date in the picture in effect" 0 "" -- render --project "$WORK/typo.gwp" --nfo "$T/Classic.nfo" --date-format M/d/yyyy
check "the project's date, not today's" grep -q "3/14/2026" "$WORK/out"
printf '| {A}          |\n| {R}              |\n' >"$WORK/lf.nfo"
run "an LF-only template is a warning" 0 "LF alone" -- render --project "$WORK/p.gwp" --nfo "$WORK/lf.nfo"
printf '\342\225\224\342\225\220\342\225\227\n\342\225\221\t{A}\n' | timeout 60 "$CLI" normalize - >"$WORK/norm.nfo" 2>"$WORK/err"
check "normalize reads standard input and writes CP437 with CR LF" sh -c "printf '\311\315\273\r\n\272       {A}\r\n' | cmp -s - '$WORK/norm.nfo'"
check "normalize says what it changed" grep -q "read as UTF-8" "$WORK/err"
printf '5 \342\202\254\n' >"$WORK/euro.txt"
timeout 60 "$CLI" normalize "$ROOT/docs/examples/art.txt" --pad --out "$WORK/art.nfo" 2>/dev/null
check "normalize gives the guide's template" cmp -s "$WORK/art.nfo" "$ROOT/docs/examples/art.nfo"
run "the guide's template checks clean" 0 "" -- check --nfo "$WORK/art.nfo"
check "with no problem or warning" sh -c "! grep -qE 'problem|warning' '$WORK/out'"
run "normalize: no CP437 byte is exit 1" 1 "euro.txt:1:3: problem: U+20AC" -- normalize "$WORK/euro.txt"
run "normalize: tab stops of 0" 2 "--tabs wants" -- normalize "$WORK/euro.txt" --tabs 0
run "colors without png" 2 "--colors goes with --png" -- export "$T/Classic.nfo" --utf8 --colors ffffff,000000
run "VGA cells, scaled" 0 "" -- export "$T/Classic.nfo" --png --cell-width 9 --scale 2 --out "$WORK/vga.png"
check "9 x 2 pixels a column, 32 a line" sh -c "od -An -tx1 -j16 -N8 '$WORK/vga.png' | tr -d ' \n' | grep -qx \"$(printf '%08x%08x' $((18 * 79)) $((32 * lines)))\""
run "a scale out of range" 2 "--scale wants" -- export "$T/Classic.nfo" --png --scale 9

# recover gives back a project that renders the same files; a hand edit is named, exit 1.
for nfo in "$T"/*.nfo; do
  base=$(basename "$nfo" .nfo)  # run and check set $base
  "$CLI" render --project "$WORK/p.gwp" --nfo "$nfo" --diz "$T/Classic.diz" --date-format dd.MM.yyyy --out "$WORK/rec-$base" 2>/dev/null
  run "recover $base" 0 "" -- recover --nfo "$nfo" "$WORK/rec-$base/XYZ.nfo" --diz "$T/Classic.diz" "$WORK/rec-$base/File_ID.diz" --date-format dd.MM.yyyy --out "$WORK/rec-$base.gwp"
  "$CLI" render --project "$WORK/rec-$base.gwp" --nfo "$nfo" --diz "$T/Classic.diz" --date-format dd.MM.yyyy --out "$WORK/again-$base" 2>/dev/null
  check "recover $base renders the same" sh -c "cmp -s '$WORK/rec-$base/XYZ.nfo' '$WORK/again-$base/XYZ.nfo' && cmp -s '$WORK/rec-$base/File_ID.diz' '$WORK/again-$base/File_ID.diz'"
done
sed '3s/^./X/' "$WORK/rec-Classic/XYZ.nfo" >"$WORK/hand.nfo"
run "recover names a line edited by hand" 1 "hand.nfo:3: problem" -- recover --nfo "$T/Classic.nfo" "$WORK/hand.nfo" --date-format dd.MM.yyyy --out "$WORK/hand.gwp"
run "recover wants pairs" 2 "needs two files" -- recover --nfo "$T/Classic.nfo"

# The template authors' guide shows what these commands write today.
check "guide examples" python3 "$ROOT/tests/cli/guide_examples.py" "$CLI"

# A value with no room makes check report it and exit 1.
sed 's/^Name=Sample Tool/Name=A name far too long to fit into the middle of the box without moving the border at all/' "$WORK/p.gwp" >"$WORK/long.gwp"
run "check finds an unplaced value" 1 "" -- check --nfo "$T/Classic.diz" --project "$WORK/long.gwp"
check "check names the placeholder" grep -q "{A} value of .* is not placed" "$WORK/out"

# --- bad usage and bad inputs ---------------------------------------------------------------
run "no command" 2 "no command" --
run "unknown command" 2 "unknown command" -- frobnicate
run "unknown option" 2 "unknown option --bogus" -- render --bogus x
run "an unknown option names the nearest" 2 "did you mean --project?" -- render --prject x --nfo "$T/Classic.nfo"
run "render without template" 2 "needs --nfo" -- render --project "$WORK/p.gwp"
run "bad wrap" 2 "--wrap" -- render --nfo "$T/Classic.nfo" --wrap abc
run "export without format" 2 "--utf8" -- export "$T/Classic.nfo"
run "missing template" 2 "$WORK/none.nfo: no such file" -- render --nfo "$WORK/none.nfo"
run "missing project" 2 "$WORK/none.gwp: no such file" -- render --project "$WORK/none.gwp" --nfo "$T/Classic.nfo"
run "folder as template" 2 "is a folder" -- check --nfo "$WORK"
head -c 65536 /dev/urandom >"$WORK/junk.bin"
run "junk as project" 2 "junk.bin: not a project file" -- render --project "$WORK/junk.bin" --nfo "$T/Classic.nfo"
run "junk as template renders" 0 "" -- render --project "$WORK/p.gwp" --nfo "$WORK/junk.bin"
run "junk as template is a problem" 1 "" -- check --nfo "$WORK/junk.bin" --project "$WORK/p.gwp"
# 10 MB of template lines, and one line of 1 MB.
awk 'BEGIN { for (i = 0; i < 131072; i++) printf "|  Name ....: {A}              {R}                                |\r\n" }' >"$WORK/big.nfo"
run "10 MB template" 0 "" -- render --project "$WORK/p.gwp" --nfo "$WORK/big.nfo"
run "10 MB template check" 0 "" -- check --nfo "$WORK/big.nfo" --project "$WORK/p.gwp"
awk 'BEGIN { for (i = 0; i < 16384; i++) printf "{A} {B}      {R}                                                  "; printf "\r\n" }' >"$WORK/wide.nfo"
run "1 MB line" 0 "" -- render --project "$WORK/p.gwp" --nfo "$WORK/wide.nfo"
run "1 MB line check finds {A} without room" 1 "" -- check --nfo "$WORK/wide.nfo" --project "$WORK/p.gwp"
# Text blocks repeat lines: a rendering that could pass the output cap is refused up front.
awk 'BEGIN { printf "[INFO]\r\nDescription="; for (i = 0; i < 30000; i++) printf "word%d ", i; printf "\r\n" }' >"$WORK/long-text.gwp"
awk 'BEGIN { for (i = 0; i < 200; i++) printf "|   {R}                                        |\r\n" }' >"$WORK/blocks.nfo"
run "a huge text-block rendering is refused" 2 "over the limit of" -- render --project "$WORK/long-text.gwp" --nfo "$WORK/blocks.nfo" --wrap 1 --out "$WORK/huge"
check "nothing is written for it" test ! -e "$WORK/huge/.nfo"

# --- names and options: the true reason, nothing outside the folder, nothing half-written ---
sed 's|^Name=XYZ|Name=../escaped|' "$WORK/p.gwp" >"$WORK/escape.gwp"
run "a team name with a path is refused" 2 "The Team Name \"../escaped\" cannot name a file or folder: it holds '/'" -- render --project "$WORK/escape.gwp" --nfo "$T/Classic.nfo" --out "$WORK/rel-esc"
check "nothing is written beside the folder" test ! -e "$WORK/escaped.nfo"
# The window's rule holds here too: names Windows gives to devices are refused on any system.
sed 's|^Name=XYZ|Name=nul|' "$WORK/p.gwp" >"$WORK/device.gwp"
run "a device name as team is refused" 2 "The Team Name \"nul\" cannot name a file or folder: it is a device name" -- render --project "$WORK/device.gwp" --nfo "$T/Classic.nfo" --out "$WORK/rel-dev"
check "no folder is made for it" test ! -e "$WORK/rel-dev"
run "a missing value does not take the next option" 2 "needs a value, not the option --html" -- export "$T/Classic.nfo" --utf8 --out --html
mkdir -p "$WORK/rel-diz/File_ID.diz"
run "a DIZ that cannot be written" 2 "File_ID.diz" -- render --project "$WORK/p.gwp" --nfo "$T/Classic.nfo" --diz "$T/Compact.diz" --out "$WORK/rel-diz"
check "leaves no NFO behind" test ! -e "$WORK/rel-diz/XYZ.nfo"
cp "$T/Compact.diz" "$WORK/Caf$(printf '\303\251').diz"
run "check a UTF-8 file name" 0 "" -- check --diz "$WORK/Caf$(printf '\303\251').diz"
check "the name is shown as it is" grep -q "Caf$(printf '\303\251').diz:2:" "$WORK/out"

# Findings of one kind are listed up to a cap; the rest are counted in one line.
awk 'BEGIN { for (i = 0; i < 1200; i++) printf "|\t{A}   |\r\n" }' >"$WORK/tabs.nfo"
run "check caps findings per kind" 1 "" -- check --nfo "$WORK/tabs.nfo"
check "the rest of a kind is counted" grep -q "tabs.nfo: problem: 200 more finding(s) of this kind, not listed \[tab\]" "$WORK/out"
mkdir "$WORK/ro" && chmod a-w "$WORK/ro"
if [ "$(id -u)" != 0 ]; then
  run "unwritable folder" 2 "cannot be written" -- render --nfo "$T/Classic.nfo" --project "$WORK/p.gwp" --out "$WORK/ro"
fi
run "output folder is a file" 2 "p.gwp: is a file, not a folder" -- render --project "$WORK/p.gwp" --nfo "$T/Classic.nfo" --out "$WORK/p.gwp"
run "export makes missing folders" 0 "" -- export "$T/Classic.nfo" --utf8 --out "$WORK/no/such/dir/x.txt"
check "the file is in them" test -s "$WORK/no/such/dir/x.txt"
run "a file where a folder should be" 2 "p.gwp: is a file" -- export "$T/Classic.nfo" --utf8 --out "$WORK/p.gwp/x.txt"
run "render --out makes missing folders" 0 "" -- render --project "$WORK/p.gwp" --nfo "$T/Classic.nfo" --out "$WORK/deep/er/rel"
check "the NFO is in them" test -s "$WORK/deep/er/rel/XYZ.nfo"
run "export to a folder" 2 "is a folder" -- export "$T/Classic.nfo" --html --out "$WORK"

run "render --png draws the DIZ without an NFO" 0 "" -- render --project "$WORK/p.gwp" --diz "$T/Compact.diz" --png "$WORK/diz.png"
diz_lines=$(tr -cd '\r' <"$T/Compact.diz" | wc -c)
check "the picture is the DIZ's height" sh -c "od -An -tx1 -j20 -N4 '$WORK/diz.png' | tr -d ' \n' | grep -qx \"$(printf '%08x' $((16 * diz_lines)))\""
"$CLI" render --project "$WORK/p.gwp" --nfo - <"$T/Classic.nfo" >"$WORK/stdin.nfo" 2>"$WORK/err"
check "a template from standard input" cmp -s "$WORK/stdin.nfo" "$WORK/stdout.nfo"
run "standard input once only" 2 "more than one input" -- render --project - --nfo -

# --- a project read from a pipe is read once, whole -----------------------------------------
cat "$WORK/p.gwp" | "$CLI" render --project /dev/stdin --nfo "$T/Classic.nfo" >"$WORK/piped.nfo" 2>"$WORK/err"
check "a piped project fills the fields" cmp -s "$WORK/piped.nfo" "$WORK/stdout.nfo"

# --- special files: written through, never replaced; reads capped by the bytes that come ----
ln -s /proc/self/fd/1 "$WORK/stdout-link"
run "output to a link to standard output" 0 "" -- export "$T/Compact.diz" --utf8 --out "$WORK/stdout-link"
check "the link got the text and stays a link" sh -c "test -L '$WORK/stdout-link' && grep -q '{A}' '$WORK/out'"
if mknod "$WORK/null" c 1 3 2>/dev/null; then
  run "output to a device node" 0 "" -- export "$T/Compact.diz" --utf8 --out "$WORK/null"
  check "the device node stays a device" test -c "$WORK/null"
fi
mkfifo "$WORK/endless"
(timeout 60 yes >"$WORK/endless" 2>/dev/null &)
run "an endless template is capped" 2 "endless: too large" -- render --nfo "$WORK/endless"
ln -s loop-b "$WORK/loop-a" && ln -s loop-a "$WORK/loop-b"
run "a link loop is named as such" 2 "loop-a: too many levels of symbolic links" -- render --nfo "$WORK/loop-a"

echo "glyphwright-cli end-to-end: $PASSED passed, $FAILED failed"
[ "$FAILED" -eq 0 ]
