#!/usr/bin/env bash
# The Windows program under wine: start-up to a shown window, one Start run
# at slow-down 1 timed from the click to the glass-coloured plate, and the
# program's own figures of whole runs (win32_run_bench.exe, built in the
# exe's build folder): wall and CPU time, step-to-step intervals.
# Usage: bench/wine_run.sh [tavrolin.exe [SLOWDOWN]]
set -euo pipefail
cd "$(dirname "$0")/.."
# Without an argument: the 32-bit program, or its 64-bit build where 32-bit
# wine cannot run here.
[ "$(tests/win32/wine-arch.sh 2>/dev/null)" = win64 ] && bits=64 || bits=32
exe=$(realpath "${1:-build-win$bits/tavrolin.exe}")
slowdown=${2:-1}
ls -la "$exe"
build=$(dirname "$exe")
bench_exe=""
if [ -f "$build/CMakeCache.txt" ]; then
    cmake --build "$build" -j2 --target win32_run_bench >/dev/null
    bench_exe=$build/bench/win32_run_bench.exe
else
    echo "$build is no build folder: the program's own figures are left out"
fi
tests/e2e/with-display.sh tests/win32/wine-prefix.sh bash -c '
    exe=$1
    start=$(date +%s%N)
    wine "$exe" &
    until wid=$(xdotool search --onlyvisible --name "^Tavrolin - " 2>/dev/null | head -1) && [ -n "$wid" ]; do sleep 0.005; done
    shown=$(date +%s%N)
    echo "start-up under wine to a shown window: $(( (shown - start) / 1000000 )) ms"
    sleep 1
    eval "$(xwininfo -id "$wid" | awk "/Absolute upper-left X/{print \"X=\"\$4} /Absolute upper-left Y/{print \"Y=\"\$4}")"
    xdotool mousemove $((X + 660)) $((Y + 24)) click 1
    clicked=$(date +%s%N)
    # The closing picture paints the plate glass-coloured (192, 255, 255).
    until [ "$(import -window root -crop 1x1+$((X + 360))+$((Y + 300)) -depth 8 txt:- 2>/dev/null | grep -o "#C0FFFF")" ]; do sleep 0.02; done
    done_at=$(date +%s%N)
    echo "a run at slow-down 1 under wine: $(( (done_at - clicked) / 1000000 )) ms (nominal pause 3010 ms)"
    wmctrl -c "Tavrolin - "
    wait
    if [ -n "$2" ]; then for i in 1 2 3; do wine "$2" "$3" 2>/dev/null; done; fi
' _ "$exe" "$bench_exe" "$slowdown"
