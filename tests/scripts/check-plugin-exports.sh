#!/usr/bin/env bash
# Fails unless the plug-in file exports exactly the six entry points, and, for
# the Windows DLL, imports nothing beyond the system's own DLLs.
# Usage: check-plugin-exports.sh elf|pe NM-OR-OBJDUMP FILE
set -euo pipefail
kind=$1 tool=$2 file=$3

expected=$(printf '%s\n' QuavixExtensionEnumerate QuavixExtensionGetMenuStatus QuavixExtensionInit \
  QuavixExtensionInvoke QuavixExtensionTerminate QuavixExtensionVersion)

if [ "$kind" = elf ]; then
  actual=$("$tool" -D --defined-only "$file" | awk '{print $NF}' | sort)
else
  dump=$("$tool" -p "$file")
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
  echo "FAIL: $file exports differ from the six entry points"
  diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") || true
  exit 1
fi
echo "exports: $(echo $actual)"
