#!/usr/bin/env bash
# Fails unless the plug-in file exports exactly the entry points of its export
# list, carries no testing code (the unit tests' seam, its hooks and resets),
# and, for a Windows DLL, imports nothing beyond the system's own DLLs.
# Usage: check-plugin-exports.sh elf|pe BINUTILS-PREFIX FILE EXPORT-LIST
set -euo pipefail
kind=$1 prefix=$2 file=$3 list=$4

expected=$(sort "$list")

if [ "$kind" = elf ]; then
  actual=$("${prefix}nm" -D --defined-only "$file" | awk '{print $NF}' | sort)
else
  dump=$("${prefix}objdump" -p "$file")
  actual=$(printf '%s\n' "$dump" | awk '/\[Ordinal\/Name Pointer\] Table/{t=1; next} t && /^\t\[/{print $NF; next} t{t=0}' | sort)
  imports=$(printf '%s\n' "$dump" | awk '/DLL Name:/{print $3}' | sort -u)
  bad=$(printf '%s\n' "$imports" | grep -viE '^(KERNEL32|msvcrt|USER32)\.dll$' || true)
  if [ -n "$bad" ]; then
    echo "FAIL: $file imports runtime DLLs beyond the system's:"; printf '  %s\n' $bad
    exit 1
  fi
  echo "imports: $(echo $imports)"
fi

if [ "$actual" != "$expected" ]; then
  echo "FAIL: $file exports differ from its entry points ($list)"
  diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") || true
  exit 1
fi
echo "exports: $(echo $actual)"

testing=$("${prefix}nm" -C "$file" | grep -E 'qxtest|PlatformHooks|InstallPlatformHooks|ResetModuleState|testing::' || true)
if [ -n "$testing" ]; then
  echo "FAIL: $file carries testing code:"; printf '%s\n' "$testing" | head -20
  exit 1
fi
echo "no testing code"
