#!/usr/bin/env python3
"""Every text the teachers' guides quote as the program's own is one the
program shows: in the Czech guide between „ and “, in the English one between
“ and ”, matched against the catalogue's Czech texts and their English
translations. A text with a value in it, such as a readout line, matches
its message with any value in the place of the braces.
Usage: check-guide-quotes.py SOURCE_DIR"""
import re
import sys
from pathlib import Path

import polib

source = Path(sys.argv[1])
english = polib.pofile(str(source / "po" / "en.po"))
texts = {
    "ucitele.md": ("„", "“", [e.msgid for e in english if not e.obsolete]),
    "teachers.md": ("“", "”", [e.msgstr for e in english if not e.obsolete and e.msgstr]),
}


def pattern(message):
    """The message as the screen shows it, any value for each {name}."""
    parts = re.split(r"\{[a-z]+\}", " ".join(message.split()))
    return re.compile(".+?".join(re.escape(part) for part in parts))


failed = 0
for guide, (opening, closing, messages) in texts.items():
    patterns = [pattern(m) for m in messages if m.strip()]
    text = (source / "docs" / guide).read_text(encoding="utf-8")
    quotes = re.findall(re.escape(opening) + "(.+?)" + re.escape(closing), text, re.S)
    if not quotes:
        print(f"FAIL: {guide} quotes no text of the program")
        failed += 1
    for quote in quotes:
        quote = " ".join(quote.split())
        if not any(p.fullmatch(quote) for p in patterns):
            print(f"FAIL: {guide} quotes {opening}{quote}{closing}, which the program never shows")
            failed += 1
    print(f"{guide}: {len(quotes)} quotes")
print("0 failed" if not failed else f"{failed} failed")
sys.exit(1 if failed else 0)
