#!/usr/bin/env bash
# Makes the guides' screenshots from the real program (the Linux build's),
# in Czech into images/cs and in English into images/en, each a virtual
# 800 × 600 screen. With --check it makes them afresh in a folder of its own
# and fails unless the program still gives them, exactly as the guides have
# them.
# Usage: make-screenshots.sh [--check] [BUILD_DIR]   (BUILD_DIR: ../build)
set -euo pipefail
docs=$(cd "$(dirname "$0")" && pwd)
check=false
if [ "${1:-}" = --check ]; then check=true; shift; fi
build=$(realpath "${1:-$docs/../build}")
tool=$build/docs/screenshots/guide-screenshots
[ -x "$tool" ] && [ -x "$build/tavrolin" ] ||
    { echo "make-screenshots: no program or no $tool: build the linux preset first" >&2; exit 1; }

if $check; then
    out=$(mktemp -d /tmp/tavrolin-screenshots.XXXXXX)
    trap 'rm -rf "$out"' EXIT
else
    out=$docs/images
fi
for language in "cs cs_CZ.UTF-8" "en en_GB.UTF-8"; do
    set -- $language
    mkdir -p "$out/$1"
    TAVROLIN_SCREEN=800x600x24 "$docs/../tests/e2e/with-display.sh" "$tool" "$build/tavrolin" "$2" "$out/$1" ||
        { echo "make-screenshots: the program no longer gives the $1 screenshots" >&2; exit 1; }
done
$check || exit 0

failed=0
names=$( { (cd "$out" && ls -- */*.png); (cd "$docs/images" && ls -- */*.png 2>/dev/null || true); } | sort -u)
for name in $names; do
    if [ ! -f "$docs/images/$name" ]; then
        echo "FAIL: the program gives $name, which docs/images lacks"; failed=1
    elif [ ! -f "$out/$name" ]; then
        echo "FAIL: docs/images/$name is no longer made"; failed=1
    elif ! cmp -s "$out/$name" "$docs/images/$name"; then
        echo "FAIL: docs/images/$name is not what the program shows now"; failed=1
    fi
done
if [ $failed -ne 0 ]; then
    echo "docs/make-screenshots.sh makes them anew: look at them, then commit them"
    exit 1
fi
echo "the guides' $(wc -w <<<"$names") screenshots are what the program shows"
