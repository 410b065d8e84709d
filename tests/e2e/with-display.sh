#!/usr/bin/env bash
# Runs a command in a fresh virtual display with a window manager, so that
# windows are managed (maximized, decorated, focused) as on a desktop.
# Usage: with-display.sh COMMAND [ARG...]
set -euo pipefail

for tool in Xvfb openbox xdpyinfo; do
    command -v "$tool" >/dev/null || { echo "with-display: $tool is missing (scripts/install-deps.sh test)" >&2; exit 1; }
done

# Xvfb takes a display number nobody uses and says which: suites started
# side by side never race for the same one.
fifo=$(mktemp -u /tmp/tavrolin-display.XXXXXX)
mkfifo "$fifo"
exec 3<>"$fifo"
rm -f "$fifo"
Xvfb -displayfd 3 -screen 0 ${TAVROLIN_SCREEN:-1280x800x24} -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
wm=
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT

number=
read -r -t 20 number <&3 || true
exec 3<&-
[ -n "$number" ] || { echo "with-display: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$number
xdpyinfo >/dev/null 2>&1 || { echo "with-display: Xvfb did not answer on $DISPLAY" >&2; exit 1; }

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
# The window manager has taken over once it has set its supporting window.
for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done

unset QT_QPA_PLATFORM
"$@"
