#!/usr/bin/env bash
# Reads the built installer back with msitools, no wine needed: its summary
# and tables, the codes that let a later version replace it, the exe inside
# it the one just built, and nothing but ASCII in its strings (wixl stores
# them without a code page, so Windows would read other letters in the PC's
# own code page), and the licence and the teachers' guides installed beside
# the program, each guide with its Start-menu entry.
# Usage: check-msi.sh INSTALLER.msi tavrolin.exe x86|x64 LICENSE GUIDE.html...
set -uo pipefail
msi=$1 exe=$2 arch=$3 licence=$4
shift 4
guides=()
for guide in "$@"; do guides+=("$(realpath "$guide")"); done
failed=0
fail() { echo "FAIL: $*"; failed=1; }
[ -f "$msi" ] || { echo "FAIL: no installer $msi (is wixl installed? scripts/install-deps.sh test)"; exit 1; }
msi=$(realpath "$msi") exe=$(realpath "$exe") licence=$(realpath "$licence")
# msiinfo export writes a table's streams (the icon) as files into the
# current folder: work in a folder of our own.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

suminfo=$(msiinfo suminfo "$msi") || { echo "FAIL: msiinfo cannot read $msi"; exit 1; }
echo "$suminfo"
case $arch in x86) platform=Intel ;; x64) platform=x64 ;; esac
grep -qx "Template: $platform;1033" <<<"$suminfo" || fail "summary does not say platform $platform, language 1033"
grep -qx "Subject: Tavrolin 1.00" <<<"$suminfo" || fail "summary does not name Tavrolin 1.00"

tables=$(msiinfo tables "$msi")
echo "tables: $(echo $tables)"
for table in Property Directory Component File Feature Media Shortcut Icon Upgrade InstallExecuteSequence; do
    grep -qx "$table" <<<"$tables" || fail "no $table table"
done

# Table rows as msiinfo writes them, with Windows line ends and, after
# _ForceCodepage, a NUL.
table() { msiinfo export "$msi" "$1" | tr -d '\r\0'; }
property() { table Property | awk -F'\t' -v p="$1" '$1 == p {print $2}'; }
[ "$(property ProductVersion)" = 1.00 ] || fail "ProductVersion is '$(property ProductVersion)', not 1.00"
[ "$(property ALLUSERS)" = 1 ] || fail "not installed per machine (ALLUSERS '$(property ALLUSERS)')"
# Every version of Tavrolin carries this code: with another one, a school's
# PCs would end up with two Tavrolins side by side.
[ "$(property UpgradeCode)" = '{74150EFE-AB9C-4ADF-A8FF-604FDC150EE0}' ] ||
    fail "UpgradeCode is '$(property UpgradeCode)', not Tavrolin's"

shortcut=$(table Shortcut | awk -F'\t' '$1 == "StartMenu"')
[ "$(cut -f2 <<<"$shortcut")" = ProgramMenuFolder ] || fail "the shortcut is not in the Start menu: $shortcut"
[ "$(cut -f9 <<<"$shortcut")" = tavrolin.ico ] || fail "the shortcut has not the program's icon: $shortcut"

nonascii=$( { echo "$suminfo" | grep -v '^\(Created\|Last saved\):'
              for name in $tables; do table "$name"; done; } |
            LC_ALL=C grep -a -n '[^ -~	]' )
[ -z "$nonascii" ] || fail "strings that are not ASCII: $nonascii"

unpacked=$work/unpacked
msiextract -C "$unpacked" "$msi" >/dev/null || fail "msiextract cannot unpack it"
inside=$(find "$unpacked" -iname tavrolin.exe)
if [ -z "$inside" ]; then
    fail "no tavrolin.exe inside"
else
    cmp -s "$inside" "$exe" || fail "the tavrolin.exe inside is not the one built ($exe)"
fi
# The same licence as the project's, with Windows line ends for Notepad.
inside=$(find "$unpacked" -name LICENSE.txt)
if [ -z "$inside" ]; then
    fail "no LICENSE.txt inside"
else
    sed 's/$/\r/' "$licence" | cmp -s - "$inside" || fail "LICENSE.txt inside is not $licence with Windows line ends"
fi
[ -n "$(find "$unpacked" -name THIRD-PARTY-NOTICES.txt)" ] || fail "no THIRD-PARTY-NOTICES.txt inside"
[ ${#guides[@]} -gt 0 ] || fail "no guides given to look for"
for guide in "${guides[@]}"; do
    name=$(basename "$guide")
    inside=$(find "$unpacked" -name "$name")
    if [ -z "$inside" ]; then
        fail "no $name inside"
    else
        cmp -s "$inside" "$guide" || fail "the $name inside is not the one built ($guide)"
    fi
    table Shortcut | awk -F'\t' -v t="[#$name]" '$2 == "ProgramMenuFolder" && $5 == t {found = 1} END {exit !found}' ||
        fail "no Start-menu entry opens $name"
done

if [ $failed -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit $failed
