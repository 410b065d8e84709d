#!/usr/bin/env bash
# Builds everything a school downloads into dist/: the Debian package, the
# Windows installer and the Windows program alone, the browser program in
# one file, the teachers' guides as web pages with their screenshots inside,
# and SHA256SUMS over them all. The version is the one project() names in
# CMakeLists.txt.
# Usage: scripts/release.sh [DIST_DIR]   (default: dist)
set -euo pipefail
cd "$(dirname "$0")/.."
dist=$(realpath -m "${1:-dist}")

# The cross compilers, emscripten, pandoc and the packaging tools.
scripts/install-deps.sh test

version=$(sed -n 's/^project(Tavrolin VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "release: no version in CMakeLists.txt's project()" >&2; exit 1; }
# What the program's documents say of the version must agree with it.
grep -q "^tavrolin ($version) " resources/linux/changelog ||
    { echo "release: resources/linux/changelog has no entry for $version" >&2; exit 1; }
grep -q "<release version=\"$version\"" resources/linux/org.example.tavrolin.metainfo.xml ||
    { echo "release: the AppStream data names no release $version" >&2; exit 1; }
for page in resources/linux/man/tavrolin.1 resources/linux/man/tavrolin.cs.1; do
    grep -q "\"Tavrolin $version\"" "$page" || { echo "release: $page is not of Tavrolin $version" >&2; exit 1; }
done

# Each preset's build, configured first where a fresh clone has none.
# Of the Windows build only what ships.
for preset in linux win32 web; do
    folder=build-$preset targets=()
    [ "$preset" = linux ] && folder=build
    [ "$preset" = win32 ] && targets=(--target tavrolin msi)
    echo "== release: the $preset preset"
    [ -f "$folder/CMakeCache.txt" ] || cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" "${targets[@]}"
done

# The package made in a folder of the release's own, so that it never meets
# a package the tests make in the build folder at the same time.
staging=$(mktemp -d /tmp/tavrolin-release.XXXXXX)
trap 'rm -rf "$staging"' EXIT
(cd build && cpack -G DEB -B "$staging" >/dev/null)

rm -rf "$dist"
mkdir -p "$dist"
cp "$staging"/tavrolin_"$version"_*.deb "$dist/"
cp "build-win32/tavrolin-$version.msi" build-win32/tavrolin.exe build-web/tavrolin.html \
   build/docs/teachers.html build/docs/ucitele.html "$dist/"
(cd "$dist" && sha256sum -- * > SHA256SUMS && sha256sum --quiet -c SHA256SUMS)
echo "release: Tavrolin $version in $dist:"
(cd "$dist" && ls -l)
