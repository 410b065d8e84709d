#!/usr/bin/env bash
# Brings the catalogue up to date with the program: extracts every message
# from the sources into tavrolin.pot and merges it into each language's .po,
# where a new or changed message then waits for its translation.
# Usage: po/update.sh [--check]   (--check: only say whether tavrolin.pot is current)
set -euo pipefail
po=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$po")
cd "$root"

extract() {
    local sources
    mapfile -t sources < <(git ls-files 'src/*.cpp' 'src/*.h' | LC_ALL=C sort)
    xgettext --from-code=UTF-8 --language=C++ --keyword= --keyword=tr:1,1t --keyword=tr:1c,2,2t \
             --keyword=N_:1 --keyword=NC_:1c,2 --add-location=file --sort-by-file --no-wrap \
             --package-name=tavrolin --msgid-bugs-address=https://tavrolin.example.org \
             --output="$1" "${sources[@]}"
    xgettext --from-code=UTF-8 --join-existing --add-location=file --no-wrap --package-name=tavrolin --output="$1" \
             resources/linux/org.example.tavrolin.desktop resources/linux/org.example.tavrolin.metainfo.xml
}

# The creation date alone changes on every extraction; it is not compared.
same() { diff -q <(grep -v '^"POT-Creation-Date' "$1") <(grep -v '^"POT-Creation-Date' "$2") >/dev/null; }

fresh=$(mktemp)
trap 'rm -f "$fresh"' EXIT
extract "$fresh"
if [ "${1:-}" = --check ]; then
    while read -r lang; do
        [[ $lang =~ ^[a-z] ]] && msgfmt --check --output-file=/dev/null "$po/$lang.po"
    done <"$po/LINGUAS"
    same "$fresh" "$po/tavrolin.pot" && exit 0
    echo "po/tavrolin.pot is not what the sources hold; run po/update.sh and translate what it marks:" >&2
    diff <(grep -v '^"POT-Creation-Date' "$po/tavrolin.pot") <(grep -v '^"POT-Creation-Date' "$fresh") >&2 || true
    exit 1
fi
same "$fresh" "$po/tavrolin.pot" || cp "$fresh" "$po/tavrolin.pot"
while read -r lang; do
    [[ $lang =~ ^[a-z] ]] || continue
    if [ -f "$po/$lang.po" ]; then
        msgmerge --quiet --update --backup=none --no-wrap --add-location=file "$po/$lang.po" "$po/tavrolin.pot"
        msgattrib --no-obsolete --no-wrap --output-file="$po/$lang.po" "$po/$lang.po"
    else
        msginit --no-translator --no-wrap --locale="$lang" --input="$po/tavrolin.pot" --output-file="$po/$lang.po"
    fi
done <"$po/LINGUAS"
