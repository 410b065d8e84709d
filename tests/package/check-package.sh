#!/usr/bin/env bash
# The program as a teacher installs it: desktop entry and AppStream data
# valid, the Debian package built with the right contents and fields,
# installed (as root with dpkg, else unpacked into a scratch root) and the
# installed program started in a virtual display.
# Usage: check-package.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
src=$1
build=$2
failed=0
fail() { echo "FAIL: $*"; failed=1; }
id=org.example.tavrolin

desktop-file-validate "$src/resources/linux/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$src/resources/linux/$id.metainfo.xml" || fail "AppStream metainfo"

rm -f "$build"/tavrolin_*.deb
(cd "$build" && cpack -G DEB >/dev/null) || fail "cpack"
deb=$(ls "$build"/tavrolin_1.00_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { fail "no tavrolin_1.00_<arch>.deb"; echo "0 passed, 1 failed"; exit 1; }
echo "package: $(basename "$deb")"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/tavrolin ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/$id.svg ./usr/share/icons/hicolor/48x48/apps/$id.png \
         ./usr/share/icons/hicolor/256x256/apps/$id.png; do
    grep -qx -- "$f" <<<"$contents" || fail "package lacks $f"
done

[ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "section is not education"
[ "$(dpkg-deb -f "$deb" Version)" = 1.00 ] || fail "version is not 1.00"
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6gui6 libc6 fonts-liberation fonts-wine; do
    grep -q "$d" <<<"$depends" || fail "Depends lacks $d: $depends"
done
dpkg-deb -f "$deb" Maintainer | grep -q '@' || fail "no maintainer contact"

# Install, then start the installed program and find its window.
root=
if [ "$(id -u)" -eq 0 ]; then
    preinstalled=$(dpkg-query -W -f='${Status}' tavrolin 2>/dev/null | grep -c 'install ok installed')
    dpkg -i "$deb" >/dev/null || fail "dpkg -i"
    program=/usr/bin/tavrolin
else
    root=$(mktemp -d)
    dpkg-deb -x "$deb" "$root" || fail "unpack"
    program=$root/usr/bin/tavrolin
fi
"$src/tests/e2e/with-display.sh" bash -c '
    "$1" &
    pid=$!
    for _ in $(seq 1 200); do
        xdotool search --onlyvisible --name "^Tavrolin - " >/dev/null 2>&1 && break
        sleep 0.05
    done
    found=$(xdotool search --onlyvisible --name "^Tavrolin - " 2>/dev/null | head -1)
    class=$(xprop -id "$found" WM_CLASS 2>/dev/null)
    kill $pid 2>/dev/null; wait $pid 2>/dev/null
    [ -n "$found" ] && echo "installed program shows its window ($class)"
    [ -n "$found" ]' _ "$program" || fail "the installed program showed no window"
if [ -n "$root" ]; then
    rm -rf "$root"
elif [ "${preinstalled:-0}" -eq 0 ]; then
    dpkg -r tavrolin >/dev/null || fail "dpkg -r"
fi

if [ $failed -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
exit $failed
