#!/usr/bin/env bash
# Runs a command with a fresh wine prefix set up as a Czech school PC would
# have it for Tavrolin: the fonts the program asks for present. The prefix is
# 32-bit, or 64-bit where 32-bit wine cannot run (wine-arch.sh decides unless
# TAVROLIN_WINEARCH is win32 or win64); inside it, "wine" runs that wine.
# TAVROLIN_WINE_DPI sets the screen's scale of the prefix (120 is 125 %,
# 192 is 200 %; 96 when not given). Commands of COMMAND that call
# wine-prefix.sh again share this prefix instead of making one each.
# Usage: wine-prefix.sh COMMAND [ARG...]   (inside a display: with-display.sh)
set -euo pipefail
here=$(dirname "$0")

command -v wine >/dev/null || { echo "wine-prefix: wine is missing (scripts/install-deps.sh test)" >&2; exit 1; }

# Inside another wine-prefix.sh, whose command is a whole suite: its prefix
# serves, set up once, at this command's scale. The suite's commands run one
# after another, since the scale is the prefix's; and each waits for wine to
# end, since wine's desktop takes the screen it was started on.
if [ -n "${TAVROLIN_WINE_SUITE_PREFIX:-}" ] && [ -d "$TAVROLIN_WINE_SUITE_PREFIX" ]; then
    export WINEPREFIX=$TAVROLIN_WINE_SUITE_PREFIX
    wineserver -w
    dpi=${TAVROLIN_WINE_DPI:-96}
    if ! out=$(wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f 2>&1); then
        echo "wine-prefix: setting the screen's scale to $dpi dpi failed, once: $out" >&2
        wineserver -w
        out=$(wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f 2>&1) ||
            { echo "wine-prefix: setting the screen's scale to $dpi dpi failed: $out" >&2; exit 1; }
    fi
    status=0
    "$@" || status=$?
    wineserver -w
    exit "$status"
fi
arch=${TAVROLIN_WINEARCH:-$("$here/wine-arch.sh" 2>/dev/null)} ||
    { echo "wine-prefix: no wine runs here: $("$here/wine-arch.sh" 2>&1 >/dev/null)" >&2; exit 1; }

WINEPREFIX=$(mktemp -d /tmp/tavrolin-wine.XXXXXX)
shims=
# No Mono or Gecko: the program needs neither, and their installers would
# ask on the first start of a fresh prefix.
export WINEPREFIX WINEARCH=$arch WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX" ${shims:+"$shims"}
}
trap cleanup EXIT

case "$arch" in
    win32) ;;
    win64)
        # Debian's wine wrappers (wine, and wine-stable behind wineboot) take
        # the 32-bit loader whenever it is installed, even where it cannot
        # execute: put 64-bit ones first on the path.
        shims=$(mktemp -d /tmp/tavrolin-wine64-bin.XXXXXX)
        for name in wine wine-stable; do
            printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$shims/$name"
            chmod +x "$shims/$name"
        done
        export PATH="$shims:$PATH" WINELOADER=/usr/lib/wine/wine64
        ;;
    *) echo "wine-prefix: TAVROLIN_WINEARCH is '$arch', not win32 or win64" >&2; exit 1 ;;
esac

wineboot --init >/dev/null 2>&1
wineserver -w

# A fresh prefix has no Times New Roman: install its metric-compatible
# substitute and name it as the replacement. MS Sans Serif comes with wine.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp /usr/share/fonts/truetype/liberation/LiberationSerif-*.ttf "$fonts/"
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ /d 'Liberation Serif' /f >/dev/null 2>&1
if [ -n "${TAVROLIN_WINE_DPI:-}" ]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$TAVROLIN_WINE_DPI" /f >/dev/null 2>&1
fi
wineserver -w

export TAVROLIN_WINE_SUITE_PREFIX=$WINEPREFIX
"$@"
