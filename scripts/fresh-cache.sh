#!/usr/bin/env bash
# A build folder that an earlier version of the scripts configured with
# Make is configured anew with Ninja: CMake refuses to change the generator
# of a folder. Its objects are rebuilt (from the compiler cache).
# Usage: fresh-cache.sh BUILD-FOLDER
set -euo pipefail
cache=$1/CMakeCache.txt
if [ -f "$cache" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$cache"; then
    echo "tavrolin: $1 was configured with another generator; configuring it anew with Ninja"
    rm -rf "$cache" "$1/CMakeFiles"
fi
