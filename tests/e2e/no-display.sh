#!/usr/bin/env bash
# Started without a display, the program says so plainly and ends with
# status 2, instead of aborting in the toolkit.
# Usage: no-display.sh PROGRAM
set -u
program=$1
failed=0
for display in "" ":987"; do
    out=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$program" 2>&1)
    status=$?
    if [ $status -ne 2 ] || ! grep -q "Start Tavrolin from a graphical desktop session" <<<"$out"; then
        echo "FAIL: DISPLAY='$display': status $status: $out"
        failed=1
    fi
done
if [ $failed -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit $failed
