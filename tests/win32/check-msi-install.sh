#!/usr/bin/env bash
# Installs the installer silently with wine's msiexec, as a school's IT
# would deploy it, and checks what a teacher then finds: the program in
# Program Files, its shortcut in the Start menu, its uninstall entry, the
# program starting with its window. Then a later version replaces it, and
# the silent uninstall leaves none of the three behind.
# Runs inside a display and a wine prefix (with-display.sh wine-prefix.sh).
# Usage: check-msi-install.sh tavrolin-1.00.msi tavrolin-1.01.msi tavrolin.exe x86|x64
set -uo pipefail
msi=$1 later=$2 exe=$3 arch=$4
failed=0
fail() { echo "FAIL: $*"; failed=1; }
[ -n "${WINEPREFIX:-}" ] || { echo "FAIL: no wine prefix (run it under wine-prefix.sh)"; exit 1; }
for file in "$msi" "$later"; do
    [ -f "$file" ] || { echo "FAIL: no installer $file (is wixl installed? scripts/install-deps.sh test)"; exit 1; }
done
# Without this wine would also write desktop menu entries into the home folder.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"

drive=$WINEPREFIX/drive_c
# A 32-bit program goes to the 32-bit Program Files, which 64-bit Windows
# calls Program Files (x86).
if [ "$arch" = x86 ] && [ "${WINEARCH:-}" = win64 ]; then program_files='Program Files (x86)'; else program_files='Program Files'; fi
installed="$drive/$program_files/Tavrolin/tavrolin.exe"
# Per machine, Windows puts the shortcuts into the Start menu of all users;
# wine's installer into the user's own. The program's, or the one named.
shortcut_present() {
    local lnk name=${1:-Tavrolin}
    for lnk in "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/$name.lnk" \
               "$drive"/users/*/"AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$name.lnk"; do
        [ -f "$lnk" ] && return 0
    done
    return 1
}
# The DisplayVersion of every uninstall entry named Tavrolin, one per line.
entries() {
    local key
    for key in 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' \
               'HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall'; do
        wine reg query "$key" /s 2>/dev/null | tr -d '\r' |
            awk '/^HKEY/ {name = ""} $1 == "DisplayName" {name = $3} $1 == "DisplayVersion" && name == "Tavrolin" {print $3}'
    done | sort -u
}
msiexec() {
    local log=$drive/msiexec.log
    wine msiexec "$@" /qn /l*v 'C:\msiexec.log'
    local rc=$?
    [ $rc -eq 0 ] || { fail "msiexec $* ended with $rc; its log ends:"; iconv -f UTF-16LE "$log" 2>/dev/null | tail -n 15 || tail -n 15 "$log"; }
    return $rc
}

echo "== silent install of $msi"
msiexec /i "$(winepath -w "$msi")"
if [ -f "$installed" ]; then
    cmp -s "$installed" "$exe" || fail "the installed program is not the one built"
else
    fail "no $installed"
fi
shortcut_present || fail "no shortcut Tavrolin.lnk in the Start menu"
for guide in "Tavrolin - Teachers' guide" "Tavrolin - Prirucka pro ucitele"; do
    shortcut_present "$guide" || fail "no shortcut '$guide' in the Start menu"
done
[ -f "$(dirname "$installed")/ucitele.html" ] || fail "no guide ucitele.html beside the program"
[ "$(entries)" = 1.00 ] || fail "uninstall entries for Tavrolin: '$(entries)', not one of version 1.00"

echo "== the installed program starts and shows its window"
if [ -f "$installed" ]; then
    wine "$installed" &
    program=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Tavrolin - ' 2>/dev/null | head -n 1)
    if [ -n "$window" ]; then
        echo "window $window: $(xdotool getwindowgeometry "$window" | tr '\n' ' ')"
        wmctrl -i -c "$window"
    else
        fail "the installed program showed no window within 60 s"
        kill "$program" 2>/dev/null
    fi
    for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.2; done
    if kill -0 "$program" 2>/dev/null; then
        fail "the installed program did not end within 20 s of closing its window"
        kill "$program"
    fi
    wait "$program"
    rc=$?
    [ -z "$window" ] || [ $rc -eq 0 ] || fail "the installed program ended with $rc"
fi

echo "== silent install of the later version $later"
msiexec /i "$(winepath -w "$later")"
[ "$(entries)" = 1.01 ] || fail "after the later version, uninstall entries: '$(entries)', not one of 1.01"
[ -f "$installed" ] || fail "no $installed after the later version"

echo "== silent uninstall"
msiexec /x "$(winepath -w "$later")"
[ ! -e "$installed" ] || fail "$installed is left"
! shortcut_present || fail "the Start-menu shortcut is left"
! shortcut_present "Tavrolin - Teachers' guide" || fail "the guide's Start-menu shortcut is left"
[ -z "$(entries)" ] || fail "uninstall entries left: $(entries)"

if [ $failed -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit $failed
