#!/usr/bin/env bash
# Installs what is missing, builds Tavrolin with warnings as errors and runs
# every test: the Windows program's under wine (its 64-bit build under 64-bit
# wine where 32-bit code cannot run), the browser program's under node and
# headless Chromium, the Linux program's, and the Linux program's once more under AddressSanitizer and
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

# The Windows program is tested under 32-bit wine where it runs; on a kernel
# that runs no 32-bit code, its 64-bit build stands in under 64-bit wine.
# TAVROLIN_WINEARCH=win64 takes that route anywhere.
if [ -n "${TAVROLIN_WINEARCH:-}" ]; then
    echo "tavrolin: TAVROLIN_WINEARCH=$TAVROLIN_WINEARCH was given"
else
    TAVROLIN_WINEARCH=$(tests/win32/wine-arch.sh)
fi
export TAVROLIN_WINEARCH

cross_build() {
    local dir=$1 toolchain=$2
    shift 2
    cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE="cmake/$toolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DTAVROLIN_WERROR=ON >/dev/null
    cmake --build "$dir" -j2 "$@"
}
under_wine() { tests/e2e/with-display.sh tests/win32/wine-prefix.sh "$@"; }

echo "== the Windows program (32-bit, the one shipped), cross-built"
cross_build build-win32 mingw-w64-i686
# Where 32-bit wine runs, the 64-bit build is only compiled, program alone,
# so that a warning in it is not first seen on another machine.
if [ "$TAVROLIN_WINEARCH" = win64 ]; then
    echo "== its 64-bit build, cross-built"
    cross_build build-win64 mingw-w64-x86_64
else
    echo "== its 64-bit build, the program alone, cross-built (its tests run only where 32-bit wine cannot)"
    cross_build build-win64 mingw-w64-x86_64 --target tavrolin
fi
case "$TAVROLIN_WINEARCH" in
    win32)
        echo "== tests of the 32-bit Windows program under 32-bit wine"
        under_wine ctest --test-dir build-win32 --output-on-failure
        wine_exe=$PWD/build-win32/tavrolin.exe
        ;;
    win64)
        echo "== the 32-bit Windows program: only its static checks, as 32-bit wine cannot run here"
        ctest --test-dir build-win32 --output-on-failure -L static
        echo "== tests of the 64-bit build, standing in for it, under 64-bit wine"
        under_wine ctest --test-dir build-win64 --output-on-failure
        wine_exe=$PWD/build-win64/tavrolin.exe
        ;;
    *) echo "tavrolin: TAVROLIN_WINEARCH is '$TAVROLIN_WINEARCH', not win32 or win64" >&2; exit 1 ;;
esac

echo "== the browser program (WebAssembly, one tavrolin.html), built with emscripten"
# Playwright's driver only, pinned by the lockfile; it never downloads a
# browser: the tests drive Debian's Chromium.
(cd tests/web/e2e && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
# Debian's emscripten runs node, which finds Debian's modules only this way.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=MinSizeRel -DTAVROLIN_WERROR=ON >/dev/null
cmake --build build-web -j2
echo "== its tests: the core's under node, the page end to end in headless Chromium"
ctest --test-dir build-web --output-on-failure
unset NODE_PATH

echo "== build and tests, the Windows program's end-to-end tests among them"
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVROLIN_WINE_EXE="$wine_exe"

echo "== build and tests under AddressSanitizer and UndefinedBehaviorSanitizer"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DTAVROLIN_SANITIZE=ON
