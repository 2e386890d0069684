#!/usr/bin/env bash
# The win64 package as a user gets it: its file list, README.txt in CR LF, and the unpacked
# program run by the GUI driver in a fresh Wine prefix that has none of the fonts the test
# prefixes are given (its own Xvfb display too).
# Usage: tests/package/package_test.sh dist/Glyphwright-<version>-win64.zip BUILD/win64/gui_tests.exe [SHOTS_DIR]
set -uo pipefail
zip=$(realpath "${1:?usage: package_test.sh ZIP GUI_TESTS_EXE [SHOTS_DIR]}")
driver=$(realpath "${2:?usage: package_test.sh ZIP GUI_TESTS_EXE [SHOTS_DIR]}")
shots=${3:-}
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/gw-package.XXXXXX")
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() { wineserver -k 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
passed=0; failed=0
check() {  # check NAME COMMAND...
  if "${@:2}"; then passed=$((passed + 1)); else echo "FAIL $1"; failed=$((failed + 1)); fi
}

name=$(basename "$zip" .zip)
{
  for file in Glyphwright.exe glyphwright-cli.exe Glyphwright.ini README.txt LICENSE.txt \
              THIRD-PARTY-NOTICES.txt term437.fon term866.fon Templates/; do echo "$name/$file"; done
  for template in "$root"/templates/*.nfo "$root"/templates/*.diz; do echo "$name/Templates/$(basename "$template")"; done
  echo "$name/"
} | sort >"$work/expected"
unzip -Z1 "$zip" | sort >"$work/listed"
check "zip file list" diff "$work/expected" "$work/listed"

mkdir "$work/unpacked"
unzip -q "$zip" -d "$work/unpacked"
folder="$work/unpacked/$name"
check "README.txt has CR LF line ends only" sh -c "! LC_ALL=C grep -q \$'[^\\r]\$' '$folder/README.txt'"
check "notices carry the font licence" grep -q "SIL OPEN FONT LICENSE Version 1.1" "$folder/THIRD-PARTY-NOTICES.txt"

winpath() { echo "Z:$(echo "$1" | sed 's|/|\\|g')"; }
args=(--app "$(winpath "$folder/Glyphwright.exe")" --package "$(winpath "$folder")" --filter package_)
[ -n "$shots" ] && mkdir -p "$shots" && args+=(--shots "$(winpath "$(realpath "$shots")")")
xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash -c '
  wineboot -i >/dev/null 2>&1; wineserver -w
  wine "$0" "$@"; status=$?
  wineserver -w; exit $status' "$driver" "${args[@]}" >"$work/gui.log" 2>&1
status=$?
tr -d '\r' <"$work/gui.log" | grep -v '^$' | tail -20 >"$work/gui.tail"
summary=$(grep -E '^gui: [0-9]+ passed, [0-9]+ failed' "$work/gui.tail" | tail -1)
if [ "$status" = 0 ] && [ "$summary" = "gui: 1 passed, 0 failed" ]; then
  passed=$((passed + 1))
else
  echo "FAIL package GUI scenario (exit $status)"; cat "$work/gui.tail"; failed=$((failed + 1))
fi
echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
