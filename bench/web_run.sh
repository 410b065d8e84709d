#!/usr/bin/env bash
# Builds the browser program and prints its figures (bench/web_run.mjs).
# Usage: bench/web_run.sh [SLOWDOWN]
set -euo pipefail
cd "$(dirname "$0")/.."
export NODE_PATH=/usr/share/nodejs
(cd tests/web/e2e && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
cmake --preset web >/dev/null
cmake --build --preset web --target tavrolin >/dev/null
unset NODE_PATH
node bench/web_run.mjs build-web/tavrolin.html "$@"
