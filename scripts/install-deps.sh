#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tavrolin need.
# Usage: scripts/install-deps.sh [run|test]   (default: test, which is a superset)
set -euo pipefail

what=${1:-test}
build_pkgs=(cmake g++ make pkg-config qt6-base-dev libgl-dev fonts-liberation fonts-wine)
test_pkgs=(libgtest-dev googletest xvfb xauth openbox xdotool x11-utils x11-apps imagemagick wmctrl time libbenchmark-dev
           file g++-mingw-w64-i686 wine wine32:i386 icoutils
           dpkg-dev desktop-file-utils appstream dbus at-spi2-core python3-pyatspi)

pkgs=("${build_pkgs[@]}")
[ "$what" = test ] && pkgs+=("${test_pkgs[@]}")

missing=()
for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "tavrolin: these Debian packages are missing: ${missing[*]}" >&2
    echo "tavrolin: installing them needs root; run this as root or install sudo." >&2
    exit 1
fi

echo "tavrolin: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# The Windows program is tested under 32-bit wine, from Debian's i386 packages.
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${as_root[@]}" dpkg --add-architecture i386
fi
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
