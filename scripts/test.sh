#!/usr/bin/env bash
# Installs what is missing, builds Tavrolin with warnings as errors and runs
# every test: the Windows program's under wine, the Linux program's, and the
# Linux program's once more under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test

run_suite() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -DTAVROLIN_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j2
    # The end-to-end tests pace a real animation; they run alone.
    (cd "$dir" && ctest --output-on-failure -j2 -LE e2e && ctest --output-on-failure -L e2e)
}

echo "== the Windows program, cross-built, and its tests under wine"
cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DCMAKE_BUILD_TYPE=Release \
    -DTAVROLIN_WERROR=ON >/dev/null
cmake --build build-win32 -j2
tests/e2e/with-display.sh tests/win32/wine-prefix.sh ctest --test-dir build-win32 --output-on-failure

echo "== build and tests, the Windows program's end-to-end tests among them"
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVROLIN_WINE_EXE="$PWD/build-win32/tavrolin.exe"

echo "== build and tests under AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DTAVROLIN_SANITIZE=ON
