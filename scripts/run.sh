#!/usr/bin/env bash
# Installs what is missing, builds Tavrolin and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "tavrolin: no display available (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Run this from a graphical desktop session." >&2
    exit 2
fi

scripts/install-deps.sh run
scripts/fresh-cache.sh build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target tavrolin
exec build/tavrolin
