#!/usr/bin/env bash
# Started where no window can be opened, the program says so plainly, names
# the display and what failed, and ends with status 2, instead of aborting in
# the toolkit: no display named, a display that is not running, a socket left
# by a dead X server, a dead forwarded display, a screen the display lacks, an
# X server that refuses this user, and a Wayland display with no compositor.
# Usage: no-display.sh PROGRAM
set -u
program=$1
failed=0
passed=0
tmp=$(mktemp -d /tmp/tavrolin-nodisplay.XXXXXX)
servers=()
cleanup() {
    for pid in "${servers[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$tmp" "${stale:-}"
}
trap cleanup EXIT

# The display numbers chosen below are free when chosen: one run at a time
# (the Linux and the sanitizer suites run side by side).
exec 9>/tmp/tavrolin-no-display.lock
flock 9

free_display() {
    for n in $(seq "$1" 199); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then echo "$n"; return; fi
    done
    return 1
}
start_xvfb() {
    Xvfb ":$1" -nolisten tcp "${@:2}" >/dev/null 2>&1 &
    servers+=($!)
    for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$1" ] && return; sleep 0.05; done
    echo "no-display: Xvfb :$1 did not start" >&2
    exit 1
}

# check NAME WHAT-THE-MESSAGE-NAMES ENV...
check() {
    local name=$1 names=$2
    shift 2
    local out status
    out=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u DISPLAY "$@" "$program" 2>&1)
    status=$?
    if [ $status -eq 2 ] && grep -qF -- "$names" <<<"$out" &&
        grep -q "Start Tavrolin from a graphical desktop session" <<<"$out" && ! grep -q "Reinstalling" <<<"$out"; then
        passed=$((passed + 1))
    else
        echo "FAIL: $name: status $status: $out"
        failed=$((failed + 1))
    fi
}

check "DISPLAY empty" "neither DISPLAY nor WAYLAND_DISPLAY" DISPLAY=
n=$(free_display 160)
check "no X server" "display :$n (DISPLAY) is not running" DISPLAY=":$n"

n=$(free_display 160)
stale=/tmp/.X11-unix/X$n
mkdir -p /tmp/.X11-unix
python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$stale"
check "stale socket" "display :$n (DISPLAY) is not running: its socket" DISPLAY=":$n"
rm -f "$stale"

check "dead forwarded display" "display localhost:57 (DISPLAY) cannot be reached" DISPLAY=localhost:57

n=$(free_display 160)
start_xvfb "$n"
check "no such screen" "display :$n.7 (DISPLAY) has no screen 7" DISPLAY=":$n.7"

n=$(free_display 160)
xauth -f "$tmp/cookie" add ":$n" . "$(od -An -tx1 -N16 /dev/urandom | tr -d ' \n')" 2>/dev/null
start_xvfb "$n" -auth "$tmp/cookie"
check "no authorization" "display :$n (DISPLAY) refused the connection" DISPLAY=":$n" XAUTHORITY="$tmp/none"

check "no compositor" "Wayland display tavrolin-none cannot be reached" WAYLAND_DISPLAY=tavrolin-none XDG_RUNTIME_DIR="$tmp"

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
