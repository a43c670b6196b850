#!/usr/bin/env bash
# Scores written after notes were added and removed and notes and rests
# swapped still validate against the MusicXML schema, wherever their input
# did. Arguments: the MusicXML test executable, the schema, the corpus.
set -euo pipefail
tests=$1 schema=$2 corpus=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
QX_WRITTEN_SCORES_DIR="$out" "$tests" --gtest_brief=1 \
  --gtest_filter='MusicXmlWriterTest.StructuralChangesOnEveryCorpusScoreReadBackAsTheDocument'
checked=0 failed=0
for written in "$out"/*; do
  input="$corpus/$(basename "$written")"
  xmllint --noout --schema "$schema" "$input" 2>/dev/null || continue  # invalid as written by its author
  checked=$((checked + 1))
  if ! xmllint --noout --schema "$schema" "$written" 2>"$out/.errors"; then
    failed=$((failed + 1))
    echo "FAIL: $(basename "$written") no longer validates:"
    head -5 "$out/.errors"
  fi
done
if [ "$checked" -eq 0 ]; then
  echo "FAIL: no written score was checked"
  exit 1
fi
echo "$checked written scores checked against the schema, $failed failed"
[ "$failed" -eq 0 ]
