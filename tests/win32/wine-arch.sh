#!/usr/bin/env bash
# Prints which wine the Windows tests can run under here: "win32" where
# 32-bit wine runs, otherwise "win64" where 64-bit wine does. Why goes to
# standard error. It finds out by starting the loaders, since a kernel may
# lack IA-32 emulation on any x86_64 machine.
# Usage: wine-arch.sh
set -uo pipefail
loader32=/usr/lib/wine/wine
loader64=/usr/lib/wine/wine64

if [ -e "$loader32" ]; then
    out=$( { "$loader32" --version; } 2>&1)
    rc=$?
    if [ $rc -eq 0 ]; then
        echo "32-bit wine runs here ($out)" >&2
        echo win32
        exit 0
    elif [ $rc -eq 126 ]; then
        why="this kernel runs no 32-bit x86 code: 32-bit wine fails with exit 126 (Exec format error)"
    else
        why="32-bit wine fails with exit $rc: $out"
    fi
else
    why="32-bit wine (wine32:i386) is not installed"
fi

if [ -e "$loader64" ] && out=$("$loader64" --version 2>&1); then
    echo "$why; 64-bit wine runs ($out)" >&2
    echo win64
    exit 0
fi
echo "$why, and 64-bit wine does not run either (scripts/install-deps.sh test)" >&2
exit 1
