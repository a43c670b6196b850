#!/usr/bin/env bash
# Runs "quavix-host invoke" and "dump" on the example chorale and on bad input, and
# checks the output, the exit codes, and that no output is left behind when
# there is an error.
# Usage: check-host-invoke.sh HOST PLUGIN SCORE SCHEMA INCOMPLETE-PLUGIN
set -uo pipefail
host=$1 plugin=$2 score=$3 schema=$4 incomplete=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
check() { if ! eval "$1"; then echo "FAIL: $2"; fail=1; fi; }

out=$("$host" invoke --plugin "$plugin" "$score" -o "$work/out.musicxml"); rc=$?
check '[ $rc -eq 0 ]' "invoke on the chorale: exit $rc"
check 'printf "%s\n" "$out" | tail -1 | grep -q "^40 entries changed, written to "' "summary: $(printf '%s' "$out" | tail -1)"
check 'printf "%s\n" "$out" | grep -q "^measure 1, staff 1, layer 1, position 0: G4 B4 D5 G5 -> G4 B4 D4 G5$"' \
  "the first change line"
check 'xmllint --noout --schema "$schema" "$work/out.musicxml" 2>/dev/null' "the output does not validate"
# Only octave numbers differ from the input.
mask() { sed -E 's|<octave>[0-9]</octave>|<octave>?</octave>|g' "$1"; }
check 'diff -q <(mask "$score") <(mask "$work/out.musicxml") >/dev/null' "more than octaves changed"
check '[ "$(diff "$score" "$work/out.musicxml" | grep -c "^>")" -gt 0 ]' "nothing changed"

quiet=$("$host" invoke --quiet --plugin "$plugin" --measures 2-3 --staves 1-1 "$score" -o "$work/part.musicxml"); rc=$?
check '[ $rc -eq 0 ] && [ -z "$quiet" ]' "--quiet printed something or failed (exit $rc)"

# Errors: the exit code, the message, and no output file.
expect_error() {  # CODE MESSAGE ARGS...
  local code=$1 message=$2; shift 2
  rm -f "$work/bad.musicxml"
  err=$("$host" invoke "$@" -o "$work/bad.musicxml" 2>&1 >/dev/null); rc=$?
  check '[ $rc -eq $code ]' "$* : exit $rc, expected $code ($err)"
  check 'printf "%s" "$err" | grep -q -- "$message"' "$* : message '$err' lacks '$message'"
  check '[ ! -e "$work/bad.musicxml" ]' "$* : an output file was left"
}
printf '<score-partwise>\n<part id="P1">\n<measure>\n</part>\n' > "$work/malformed.musicxml"
printf '<score-timewise version="4.0"/>\n' > "$work/timewise.musicxml"
printf '<html/>\n' > "$work/page.musicxml"
# One staff: a part of the form <part-list/> .. <part>MEASURE</part>.
one_measure() {
  printf '<score-partwise version="4.0"><part-list><score-part id="P1"><part-name>P</part-name></score-part>'
  printf '</part-list><part id="P1"><measure number="1"><attributes><divisions>1</divisions></attributes>%s' "$1"
  printf '</measure></part></score-partwise>\n'
}
voices=""
for v in 1 2 3 4 5; do
  voices="$voices<note><pitch><step>C</step><octave>4</octave></pitch><duration>4</duration><voice>$v</voice></note>"
  [ $v -lt 5 ] && voices="$voices<backup><duration>4</duration></backup>"
done
one_measure "$voices" > "$work/voices.musicxml"
# Drop 2nds would move the G of C0 E0 G0 C1 below octave 0.
chord=""
for p in C0 E0 G0 C1; do
  chord="$chord<note>$([ $p = C0 ] || echo '<chord/>')<pitch><step>${p%?}</step><octave>${p#?}</octave></pitch><duration>1</duration></note>"
done
one_measure "$chord" > "$work/low.musicxml"
expect_error 2 "cannot open the file" --plugin "$plugin" "$work/none.musicxml"
expect_error 2 "malformed XML at line 4" --plugin "$plugin" "$work/malformed.musicxml"
expect_error 2 "timewise MusicXML is not supported" --plugin "$plugin" "$work/timewise.musicxml"
expect_error 2 "expected A-B" --plugin "$plugin" --measures 3-99 "$score"
expect_error 2 "" --plugin "$plugin" --hidden-layers 5 "$score"
expect_error 2 "not a MusicXML score (the root element is <html>)" --plugin "$plugin" "$work/page.musicxml"
expect_error 2 "more than four voices on one staff: voice 5 (part P1, measure 1, staff 1)" \
  --plugin "$plugin" "$work/voices.musicxml"
expect_error 2 "a note moved to G-1, outside MusicXML's octaves 0 to 9" --plugin "$plugin" "$work/low.musicxml"
expect_error 3 "plug-in module not found" --plugin "$work/none.so" "$score"
expect_error 3 "does not export the entry point QuavixExtensionInvoke" --plugin "$incomplete" "$score"
# Bad usage: a usage message and exit 2.
err=$("$host" invoke --plugin "$plugin" "$score" 2>&1 >/dev/null); rc=$?
check '[ $rc -eq 2 ] && printf "%s" "$err" | grep -q -- "-o"' "invoke without -o: exit $rc ($err)"
# A file at OUTPUT is left as it was when the command fails.
printf 'kept\n' > "$work/existing.musicxml"
"$host" invoke --plugin "$plugin" "$work/low.musicxml" -o "$work/existing.musicxml" 2>/dev/null
check '[ "$(cat "$work/existing.musicxml")" = kept ]' "a failed invoke changed the existing output file"
check '[ -z "$(ls -A "$work" | grep partial)" ]' "a temporary file was left"

# Compressed MusicXML in and out.
"$host" invoke --quiet --plugin "$plugin" "$score" -o "$work/out.mxl"; rc=$?
check '[ $rc -eq 0 ]' "invoke to .mxl: exit $rc"
"$host" invoke --quiet --plugin "$plugin" "$work/out.mxl" -o "$work/again.musicxml"; rc=$?
check '[ $rc -eq 0 ] && [ "$(diff "$score" "$work/again.musicxml" | grep -c "^>")" -gt 0 ]' "invoke from .mxl: exit $rc"

# dump: the document as read, as text and as JSON.
dump=$("$host" dump "$score"); rc=$?
check '[ $rc -eq 0 ] && [ "$(printf "%s\n" "$dump" | head -3 | tr "\n" "|")" = "staves: 2|measures: 16|frame staff 1 measure 1 layer 1: 4 entries|" ]' \
  "dump: exit $rc, $(printf '%s' "$dump" | head -3)"
check 'printf "%s\n" "$dump" | grep -q "^    note 4: displacement 7, raise/lower 0, id 4, flags 0x00040000, G5$"' "dump: the first chord's top note"
check '"$host" dump --json "$score" | python3 -m json.tool >/dev/null' "dump --json is not JSON"
"$host" dump "$work/none.musicxml" >/dev/null 2>&1; rc=$?
check '[ $rc -eq 2 ]' "dump of a missing file: exit $rc"

[ $fail -eq 0 ] && echo "host invoke: ok"
exit $fail
