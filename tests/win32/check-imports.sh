#!/usr/bin/env bash
# Fails on any function tavrolin.exe imports that is not in the list of
# those known to exist on Windows 7 SP1 (windows7-imports.txt).
# Usage: check-imports.sh tavrolin.exe
set -uo pipefail
exe=$1
known=$(dirname "$0")/windows7-imports.txt

imports=$(i686-w64-mingw32-objdump -p "$exe" |
          awk '/DLL Name:/ {dll = toupper($3); next} dll && /^\t[0-9a-f]+\t/ {print dll "!" $NF}' | sort -u)
[ -n "$imports" ] || { echo "FAIL: no imports read from $exe"; echo "0 passed, 1 failed"; exit 1; }
allowed=$(grep -v '^#' "$known" | awk 'NF {dll = toupper($1); for (i = 2; i <= NF; ++i) print dll "!" $i}' | sort -u)
unknown=$(comm -23 <(printf '%s\n' "$imports") <(printf '%s\n' "$allowed"))

echo "imports: $(printf '%s\n' "$imports" | wc -l) functions"
if [ -n "$unknown" ]; then
    echo "FAIL: imports not known to exist on Windows 7 SP1:"
    printf '  %s\n' $unknown
    echo "0 passed, 1 failed"
    exit 1
fi
echo "1 passed, 0 failed"
