#!/usr/bin/env bash
# Runs a command with a fresh 32-bit wine prefix set up as a Czech school PC
# would have it for Tavrolin: the fonts the program asks for present.
# Usage: wine-prefix.sh COMMAND [ARG...]   (inside a display: with-display.sh)
set -euo pipefail

command -v wine >/dev/null || { echo "wine-prefix: wine is missing (scripts/install-deps.sh test)" >&2; exit 1; }

WINEPREFIX=$(mktemp -d /tmp/tavrolin-wine.XXXXXX)
# No Mono or Gecko: the program needs neither, and their installers would
# ask on the first start of a fresh prefix.
export WINEPREFIX WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

wineboot --init >/dev/null 2>&1
wineserver -w

# A fresh prefix has no Times New Roman: install its metric-compatible
# substitute and name it as the replacement. MS Sans Serif comes with wine.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp /usr/share/fonts/truetype/liberation/LiberationSerif-*.ttf "$fonts/"
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ /d 'Liberation Serif' /f >/dev/null 2>&1
wineserver -w

"$@"
