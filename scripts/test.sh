#!/usr/bin/env bash
# Installs what is missing, builds Tavrolin with warnings as errors and runs
# every test: the Windows program's under wine (its 64-bit build under 64-bit
# wine where 32-bit code cannot run), the browser program's under node and
# headless Chromium, the Linux program's, and the Linux program's once more
# under AddressSanitizer and UndefinedBehaviorSanitizer. Each configuration
# is a preset of CMakePresets.json.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test

# The Windows program is tested under 32-bit wine where it runs; on a kernel
# that runs no 32-bit code, its 64-bit build stands in under 64-bit wine.
# TAVROLIN_WINEARCH=win64 takes that route anywhere.
if [ -n "${TAVROLIN_WINEARCH:-}" ]; then
    echo "tavrolin: TAVROLIN_WINEARCH=$TAVROLIN_WINEARCH was given"
else
    TAVROLIN_WINEARCH=$(tests/win32/wine-arch.sh)
fi
export TAVROLIN_WINEARCH
case "$TAVROLIN_WINEARCH" in
    win32) wine_preset=win32 ;;
    win64) wine_preset=win64 ;;
    *) echo "tavrolin: TAVROLIN_WINEARCH is '$TAVROLIN_WINEARCH', not win32 or win64" >&2; exit 1 ;;
esac
wine_exe=$PWD/build-$wine_preset/tavrolin.exe

timed() {
    local name=$1 start=$SECONDS
    shift
    echo "== $name"
    "$@"
    echo "== $name: $((SECONDS - start)) s"
}
build() {
    local preset=$1
    shift
    if [ "$preset" = linux ]; then scripts/fresh-cache.sh build; else scripts/fresh-cache.sh "build-$preset"; fi
    cmake --preset "$preset" "${configure[@]}" >/dev/null
    cmake --build --preset "$preset" "$@"
}

# The builds, one after another on both cores.
configure=()
# The shipped 32-bit program is always built; where it cannot run, only what
# its static checks read.
if [ "$wine_preset" = win32 ]; then
    timed "build: the Windows program, 32-bit (the one shipped)" build win32
    # Its 64-bit build, the program alone, so that a warning in it is not
    # first seen on another machine.
    timed "build: its 64-bit build, the program alone" build win64 --target tavrolin
else
    timed "build: the Windows program, 32-bit (the one shipped), for its static checks" build win32 --target tavrolin msi
    timed "build: its 64-bit build, standing in for it under 64-bit wine" build win64
fi
# The browsers' drivers only, pinned by the lockfile; neither downloads a
# browser: the tests drive Debian's Chromium and Firefox.
(cd tests/web/e2e &&
    PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
timed "build: the browser program (WebAssembly, one tavrolin.html)" build web
configure=(-DTAVROLIN_WINE_EXE="$wine_exe")
timed "build: the Linux program" build linux
configure=()
timed "build: the Linux program under the sanitizers" build asan
# What a school downloads, from the builds above, so that the release
# command cannot rot.
timed "release: into dist/" scripts/release.sh

# The tests. The suites wait mostly on the animation's own pacing, so they
# run side by side, each in displays of its own; their output follows, one
# suite after another.
logs=$(mktemp -d /tmp/tavrolin-tests.XXXXXX)
trap 'rm -rf "$logs"' EXIT
windows_suite() {
    local status=0
    if [ "$wine_preset" = win64 ]; then
        echo "the 32-bit program: only its static checks, as 32-bit wine cannot run here"
        ctest --preset win32 -L static || status=1
    fi
    # One wine prefix for the whole Windows suite, its end-to-end tests
    # (in the Linux build, which drives them) one after another.
    tests/e2e/with-display.sh tests/win32/wine-prefix.sh bash -c \
        "ctest --preset $wine_preset -j1 && ctest --preset linux -L wine -j1" || status=1
    return $status
}
suite() {
    local name=$1 start=$SECONDS
    shift
    if "$@" >"$logs/$name" 2>&1; then
        echo "passed in $((SECONDS - start)) s" >>"$logs/$name"
    else
        echo "FAILED after $((SECONDS - start)) s" >>"$logs/$name"
        return 1
    fi
}
start=$SECONDS
pids=()
names=(windows browser linux sanitizers)
suite windows windows_suite & pids+=($!)
suite browser ctest --preset web & pids+=($!)
suite linux ctest --preset linux -LE wine & pids+=($!)
suite sanitizers ctest --preset asan & pids+=($!)
failed=()
for i in "${!pids[@]}"; do wait "${pids[$i]}" || failed+=("${names[$i]}"); done
for name in "${names[@]}"; do
    echo "== tests: $name"
    cat "$logs/$name"
done
echo "== tests, side by side: $((SECONDS - start)) s"
if [ ${#failed[@]} -gt 0 ]; then
    echo "tavrolin: failed: ${failed[*]}" >&2
    exit 1
fi
