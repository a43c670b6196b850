#!/usr/bin/env bash
# Runs "quavix-host menu" on the built plug-in and on a plug-in lacking an
# entry point, and checks the output and the exit codes.
# Usage: check-host-menu.sh EMULATOR HOST PLUGIN INCOMPLETE-PLUGIN  (EMULATOR may be empty)
set -uo pipefail
emulator=$1 host=$2 plugin=$3 incomplete=$4
run() { if [ -n "$emulator" ]; then "$emulator" "$@"; else "$@"; fi; }

# Run from the plug-in's folder with a plain file name: the same on both systems.
cd "$(dirname "$plugin")" || exit 1
fail=0

out=$(run "$host" menu --plugin "$(basename "$plugin")" | tr -d '\r'); rc=$?
expected="version: 0x0F000200
init: 1, flags 0x00000001
menu item 0:
  long name: QZ Drop 2nds
  short name: Drop 2nds
  description: Transposes the 2nd highest note in a 4-note block chord one octa
menu items: 1
menu status: 1"
if [ $rc -ne 0 ] || [ "$(printf '%s\n' "$out" | tail -n +2)" != "$expected" ]; then
  echo "FAIL: menu output (exit $rc):"; printf '%s\n' "$out"
  diff <(printf '%s\n' "$expected") <(printf '%s\n' "$out" | tail -n +2)
  fail=1
fi

cp "$incomplete" "./$(basename "$incomplete")" 2>/dev/null || true
err=$(run "$host" menu --plugin "$(basename "$incomplete")" 2>&1 >/dev/null | tr -d '\r'); rc=$?
if [ $rc -ne 3 ] || ! printf '%s' "$err" | grep -q 'does not export the entry point QuavixExtensionInvoke'; then
  echo "FAIL: a plug-in lacking an entry point: exit $rc, message: $err"; fail=1
fi

err=$(run "$host" menu --plugin no-such-module 2>&1 >/dev/null | tr -d '\r'); rc=$?
if [ $rc -ne 3 ] || ! printf '%s' "$err" | grep -q 'plug-in module not found: no-such-module'; then
  echo "FAIL: a missing plug-in file: exit $rc, message: $err"; fail=1
fi

run "$host" menu --no-such-option >/dev/null 2>&1; rc=$?
if [ $rc -ne 2 ]; then echo "FAIL: a bad option: exit $rc, expected 2"; fail=1; fi

[ $fail -eq 0 ] && echo "host menu: ok"
exit $fail
