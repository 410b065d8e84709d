#!/usr/bin/env bash
# Starts a D-Bus session with the accessibility bus and registry, the
# program with Qt's accessibility bridge on, and the AT-SPI client check.
# Usage (inside a display): run-a11y.sh PROGRAM
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exec dbus-run-session -- bash -c '
    set -euo pipefail
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    launcher=$!
    # The program looks for the accessibility bus once, at start: it starts
    # when the launcher holds the bus name, polled until a minute has passed.
    bus_up() {
        dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true"
    }
    deadline=$((SECONDS + 60))
    until bus_up; do
        if [ $SECONDS -ge $deadline ]; then
            echo "FAIL: the accessibility bus (org.a11y.Bus) did not start within a minute"
            kill $launcher 2>/dev/null || true
            exit 1
        fi
        sleep 0.05
    done
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=cs_CZ.UTF-8 "$1" >/dev/null 2>&1 &
    program=$!
    status=0
    /usr/bin/python3 "$2/check_accessibility.py" || status=$?
    kill $program $launcher 2>/dev/null || true
    exit $status' _ "$1" "$here"
