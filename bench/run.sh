#!/usr/bin/env bash
# Builds and runs the benchmarks; prints the figures for the issue notes.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target tavrolin qt_run_bench core_run_bench
display=tests/e2e/with-display.sh

echo "== the Start run's logic against a toolkit that draws nothing"
build/bench/core_run_bench --benchmark_min_time=2

echo "== real runs in Xvfb"
for args in "1 --no-pause" "1" "30"; do
    $display build/bench/qt_run_bench $args 2>/dev/null
done
echo "== a real run in presentation mode on a 1920 x 1080 projector"
for i in 1 2 3; do
    TAVROLIN_SCREEN=1920x1080x24 $display build/bench/qt_run_bench 1 --present 2>/dev/null
done

echo "== start-up to a shown window, and peak memory, of the program itself"
$display bash -c '
    for i in 1 2 3; do
        start=$(date +%s%N)
        /usr/bin/time -f "%M" -o /tmp/tavrolin-rss build/tavrolin 2>/dev/null &
        # xdotool --sync polls only twice a second; poll faster.
        until xdotool search --onlyvisible --name "^Tavrolin - " >/dev/null 2>&1; do sleep 0.005; done
        shown=$(date +%s%N)
        echo "start-up to a shown window: $(( (shown - start) / 1000000 )) ms"
        sleep 0.5
        wmctrl -c "Tavrolin - " 
        wait || true
        echo "peak memory of an idle window: $(( $(cat /tmp/tavrolin-rss) / 1024 )) MB"
    done'
