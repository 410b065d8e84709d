#!/usr/bin/env bash
# Checks the built tavrolin.exe with tools of its own: a 32-bit GUI program
# for Windows 7 and later, with DEP, ASLR and the stack protector, importing
# only Windows' own DLLs, with the version record and the icon.
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

# The oldest Windows it states, which refuses to start it below that:
# Windows 7 (6.1).
header=$(i686-w64-mingw32-objdump -p "$exe")
for field in MajorSubsystemVersion MajorOSystemVersion; do
    major=$(awk -v f="$field" '$1 == f {print $2}' <<<"$header")
    minor=$(awk -v f="${field/Major/Minor}" '$1 == f {print $2}' <<<"$header")
    [ "$major.$minor" = 6.1 ] || fail "$field states Windows $major.$minor, not 6.1 (Windows 7)"
done

# DEP and ASLR: Windows runs no code from its data and loads it at a
# random address.
for flag in NX_COMPAT DYNAMIC_BASE; do
    sed -n '/^DllCharacteristics/,/^[A-Z]/p' <<<"$header" | grep -qw "$flag" || fail "no $flag: $(grep DllCharacteristics <<<"$header")"
done

# Every import must be a DLL that every Windows has.
system='^(KERNEL32|USER32|GDI32|OLEAUT32|WINMM|msvcrt|ADVAPI32)\.dll$'
dlls=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print $3}')
echo "imports: $(echo $dlls)"
for dll in $dlls; do
    echo "$dll" | grep -qiE "$system" || fail "imports $dll, which a school PC does not have"
done
# The stack protector's guard is seeded at start-up (libssp): without that
# call, the program was built without the protector.
grep -qw CryptGenRandom <<<"$header" || fail "no stack protector: CryptGenRandom, which seeds its guard, is not imported"

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
# The icon's images: the 256 px one stored as PNG (a third of the file
# otherwise), the small ones as bitmaps, which every Windows reads.
pngs=0
for name in $(wrestool -l --type=3 "$exe" | sed -n 's/.*--name=\([0-9]*\).*/\1/p'); do
    head=$(wrestool -x --raw --type=3 --name="$name" "$exe" | head -c 24 | od -An -tx1 | tr -d ' \n')
    case "$head" in
        89504e470d0a1a0a*)
            pngs=$((pngs + 1))
            # IHDR's width and height, big-endian, right after the signature.
            [ "${head:32:16}" = 0000010000000100 ] || fail "icon image $name is a PNG but not 256 x 256" ;;
        28000000*) ;;
        *) fail "icon image $name is neither a bitmap nor a PNG" ;;
    esac
done
[ "$pngs" = 1 ] || fail "$pngs icon images stored as PNG, not the 256 px one alone"
wrestool -l --type=2 "$exe" | grep -q . || fail "no axis-label bitmap"

if [ $failed -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit $failed
