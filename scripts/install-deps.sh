#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tavrolin need.
# Usage: scripts/install-deps.sh [run|test]   (default: test, which is a superset)
set -euo pipefail
here=$(dirname "$0")

what=${1:-test}
build_pkgs=(cmake ninja-build ccache g++ make pkg-config qt6-base-dev libgl-dev libxcb1-dev fonts-liberation fonts-wine
            gettext python3 python3-polib qt6-multimedia-dev pandoc)
# Both Windows cross compilers and 64-bit wine: the 32-bit program is the
# product, its 64-bit build the stand-in tested where 32-bit wine cannot run.
test_pkgs=(libgtest-dev googletest xvfb xauth openbox xdotool x11-utils x11-apps imagemagick wmctrl time libbenchmark-dev
           file g++-mingw-w64-i686 g++-mingw-w64-x86-64-posix wine wine64 icoutils
           wixl msitools osslsigncode openssl emscripten chromium firefox-esr webkit2gtk-driver
           fonttools python3-brotli fonts-liberation2 dpkg-dev desktop-file-utils appstream lintian devscripts dbus at-spi2-core python3-pyatspi
           pulseaudio pulseaudio-utils sox)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

pkgs=("${build_pkgs[@]}")
[ "$what" = test ] && pkgs+=("${test_pkgs[@]}")
# npm installs the browser tests' driver; where node came with its own npm
# (not Debian's packages), Debian's would clash with it.
[ "$what" = test ] && ! command -v npm >/dev/null 2>&1 && pkgs+=(npm)
missing=()
for p in "${pkgs[@]}"; do installed "$p" || missing+=("$p"); done

# 32-bit wine only where the kernel runs 32-bit code: elsewhere its i386
# packages could not even finish installing.
want_wine32=
if [ "$what" = test ] && ! installed wine32:i386; then
    if "$here/kernel-runs-i386.sh"; then
        want_wine32=1
    else
        echo "tavrolin: this kernel runs no 32-bit x86 code; wine32 is not installed," \
             "the Windows tests will use the 64-bit build under 64-bit wine."
    fi
fi
[ ${#missing[@]} -eq 0 ] && [ -z "$want_wine32" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "tavrolin: these Debian packages are missing: ${missing[*]} ${want_wine32:+wine32:i386}" >&2
    echo "tavrolin: installing them needs root; run this as root or install sudo." >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive

if [ ${#missing[@]} -gt 0 ]; then
    echo "tavrolin: installing ${missing[*]}"
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# wine32 comes from Debian's i386 architecture. Where that cannot be had
# (no i386 mirror, a refused install) the tests take the 64-bit route, so a
# failure here is reported, not fatal.
if [ -n "$want_wine32" ]; then
    echo "tavrolin: installing wine32:i386"
    added_i386=
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        "${as_root[@]}" dpkg --add-architecture i386
        added_i386=1
    fi
    if ! { "${as_root[@]}" apt-get update -qq &&
           "${as_root[@]}" apt-get install -y -qq --no-install-recommends wine32:i386 >/dev/null; }; then
        echo "tavrolin: wine32:i386 could not be installed; the Windows tests will use 64-bit wine." >&2
        if [ -n "$added_i386" ] && "${as_root[@]}" dpkg --remove-architecture i386 2>/dev/null; then
            "${as_root[@]}" apt-get update -qq || true
        fi
    fi
fi
