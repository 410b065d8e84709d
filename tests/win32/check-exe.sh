#!/usr/bin/env bash
# Checks the built tavrolin.exe with tools of its own: a 32-bit GUI program,
# importing only Windows' own DLLs, with the version record and the icon.
# Usage: check-exe.sh tavrolin.exe
set -uo pipefail
exe=$1
failed=0
fail() { echo "FAIL: $*"; failed=1; }

kind=$(file -b "$exe")
case "$kind" in
    "PE32 executable (GUI) Intel 80386"*) ;;
    *) fail "not a 32-bit GUI program: $kind" ;;
esac

# Every import must be a DLL that every Windows has.
system='^(KERNEL32|USER32|GDI32|OLEAUT32|WINMM|msvcrt|ADVAPI32)\.dll$'
dlls=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print $3}')
echo "imports: $(echo $dlls)"
for dll in $dlls; do
    echo "$dll" | grep -qiE "$system" || fail "imports $dll, which a school PC does not have"
done

# The version record, read back by wrestool: its strings in order, then the
# translation for US English with the Unicode code page.
version=$(wrestool -x --raw --type=16 "$exe" | strings -el)
expect=(040904B0 ProductName Tavrolin InternalName tavrolin OriginalFilename tavrolin.exe FileVersion 1.00
        ProductVersion 1.00 VarFileInfo Translation)
rest=$version
for word in "${expect[@]}"; do
    rest=$(printf '%s\n' "$rest" | sed -n "/^$(printf '%s' "$word" | sed 's/\./\\./g')\$/,\$p")
    [ -n "$rest" ] || { fail "version record lacks '$word' in order"; break; }
    rest=$(printf '%s\n' "$rest" | tail -n +2)
done
translation=$(wrestool -x --raw --type=16 "$exe" | od -An -tx1 | tr -d ' \n')
echo "$translation" | grep -q '0904b004' || fail "no Translation 0x0409, 1200"

wrestool -l --type=14 "$exe" | grep -q . || fail "no icon group"
wrestool -l --type=2 "$exe" | grep -q . || fail "no axis-label bitmap"

if [ $failed -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit $failed
