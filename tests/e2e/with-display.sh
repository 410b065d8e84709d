#!/usr/bin/env bash
# Runs a command in a fresh virtual display with a window manager, so that
# windows are managed (maximized, decorated, focused) as on a desktop.
# Usage: with-display.sh COMMAND [ARG...]
set -euo pipefail

for tool in Xvfb openbox xdpyinfo; do
    command -v "$tool" >/dev/null || { echo "with-display: $tool is missing (scripts/install-deps.sh test)" >&2; exit 1; }
done

# A display number nobody uses: the lock file of a running server tells.
display=
for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "with-display: no free display number" >&2; exit 1; }

Xvfb "$display" -screen 0 ${TAVROLIN_SCREEN:-1280x800x24} -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
wm=
cleanup() {
    [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT

export DISPLAY=$display
for _ in $(seq 1 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
xdpyinfo >/dev/null 2>&1 || { echo "with-display: Xvfb did not start on $display" >&2; exit 1; }

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
# The window manager has taken over once it has set its supporting window.
for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done

unset QT_QPA_PLATFORM
"$@"
