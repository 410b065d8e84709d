#!/usr/bin/python3
"""Turns the text catalogue (po/) into the program's table of texts.

make_catalogue.py POT LANGS PO_DIR TABLE_CPP PAGE_JSON CHARACTERS

POT holds every message with its Czech text; LANGS names the languages after
Czech, in the order of the program's Language; PO_DIR holds one LANG.po for
each. Writes the C++ table (messages the program shows; the desktop entry's
and the AppStream file's are merged into those files instead), the page's own
notices as JSON ({context: {tag: text}}, for the messages whose context starts
with "page-") and every character the program's texts use, for the page's
fonts. A message a language has not translated (missing, empty or fuzzy) is
left empty: the program shows it in Czech, and a test names it.
"""
import json
import sys

import polib

PACKAGING = ("resources/linux/",)


def fail(why):
    sys.exit(f"make_catalogue.py: {why}")


def load(path):
    try:
        return polib.pofile(path, wrapwidth=0)
    except (OSError, ValueError) as error:
        fail(f"{path} cannot be read: {error}")


def shown_by_program(entry):
    files = [where for where, _ in entry.occurrences]
    return not files or not all(f.startswith(PACKAGING) for f in files)


def cpp(text):
    """A C++ string literal of TEXT, in UTF-8, with no escape that could run on
    into a following hex digit."""
    out = []
    for ch in text:
        if ch in '"\\':
            out.append("\\" + ch)
        elif ch == "\n":
            out.append('\\n"\n        "')
        elif ord(ch) < 0x20:
            fail(f"a control character in {text!r}")
        else:
            out.append(ch)
    return '"' + "".join(out) + '"'


def main(pot_path, langs, po_dir, table_path, page_path, characters_path):
    tags = ["cs"] + langs.split(",")
    messages = [e for e in load(pot_path) if not e.obsolete and shown_by_program(e)]
    translations = []
    for tag in tags[1:]:
        catalogue = load(f"{po_dir}/{tag}.po")
        translations.append({(e.msgctxt or "", e.msgid): e.msgstr for e in catalogue
                             if not e.obsolete and "fuzzy" not in e.flags})
    rows = []
    for m in messages:
        key = (m.msgctxt or "", m.msgid)
        rows.append((key[0], [m.msgid] + [t.get(key, "") for t in translations]))
    rows.sort(key=lambda r: (r[0].encode(), r[1][0].encode()))

    with open(table_path, "w", encoding="utf-8") as f:
        f.write('// Generated from po/ by make_catalogue.py: edit the .po files, not this.\n'
                '#include "text/CatalogueTable.h"\n\nnamespace tavrolin {\n\nnamespace {\n\n'
                f"constexpr CatalogueEntry entries[] = {{\n")
        for context, texts in rows:
            f.write(f"    {{{cpp(context)}, {{\n        " + ",\n        ".join(cpp(t) for t in texts) + "}},\n")
        f.write("};\n\nconstexpr std::string_view tags[] = {" + ", ".join(cpp(t) for t in tags) + "};\n\n"
                "} // namespace\n\n"
                "std::span<const CatalogueEntry> catalogueEntries() { return entries; }\n\n"
                "std::span<const std::string_view> catalogueTags() { return tags; }\n\n"
                "} // namespace tavrolin\n")

    page = {context: dict(zip(tags, (t or texts[0] for t in texts)))
            for context, texts in rows if context.startswith("page-")}
    with open(page_path, "w", encoding="utf-8") as f:
        json.dump(page, f, ensure_ascii=False, indent=1, sort_keys=True)

    characters = set(" 0123456789,.-")
    for _, texts in rows:
        for t in texts:
            characters.update(t)
    characters.discard("\n")
    with open(characters_path, "w", encoding="utf-8") as f:
        f.write("".join(sorted(characters)))


if __name__ == "__main__":
    if len(sys.argv) != 7:
        fail(__doc__.strip().splitlines()[2])
    main(*sys.argv[1:])
