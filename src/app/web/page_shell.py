#!/usr/bin/python3
"""Writes the page's shell with its fonts inside, with the notices of the
fonts and of the runtime that the page carries, and with the page's own texts
in every language: what it says where the browser runs no script, and where
the program could not start.

The fonts are the Liberation fonts that stand in for Times New Roman and MS
Sans Serif, metric-compatible with them, cut down to the characters of the
program's texts in every language (CHARACTERS, written from the catalogue)
and put into the page as WOFF2, so that every caption fits its
box in every browser, whatever fonts the computer has. Their licence reserves
the name Liberation (and Arimo, Tinos, Cousine) for the original fonts, so the
subsets are renamed, and their notice travels with them as a comment.

page_shell.py FONTS_DIR SHELL NOTICES LICENSE CHARACTERS PAGE_TEXTS OUTPUT
"""
import base64
import html
import io
import json
import re
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# family, style, CSS weight, file
FACES = [
    ("Tavrolin Serif", "Bold", "bold", "LiberationSerif-Bold"),
    ("Tavrolin Sans", "Regular", "normal", "LiberationSans-Regular"),
    ("Tavrolin Sans", "Bold", "bold", "LiberationSans-Bold"),
]
RESERVED = re.compile(r"Liberation|Arimo|Tinos|Cousine", re.IGNORECASE)
# The names a user sees or a browser matches by; copyright, version and the
# licence (0, 5, 13, 14) stay as the original has them.
RENAMED = {1, 3, 4, 6, 16, 17}


def fail(why):
    sys.exit(f"page_shell.py: {why}")


def renamed(font, family, style):
    names = font["name"]
    full = family if style == "Regular" else f"{family} {style}"
    values = {1: family, 2: style, 3: f"Tavrolin: {full}", 4: full, 6: f"{family.replace(' ', '')}-{style}"}
    places = {(r.platformID, r.platEncID, r.langID) for r in names.names if r.nameID in values}
    names.names = [r for r in names.names if r.nameID not in RENAMED | {2}]
    for place in sorted(places):
        for name_id, value in values.items():
            names.setName(value, name_id, *place)
    left = [str(r) for r in names.names if RESERVED.search(str(r))]
    if left:
        fail(f"{full} still names a reserved font: {left}")


def face(fonts_dir, characters, family, style, weight, file):
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["kern"]
    options.hinting = False
    options.desubroutinize = True
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14]
    try:
        font = TTFont(f"{fonts_dir}/{file}.ttf")
    except OSError as error:
        fail(f"the page's font {file} cannot be read: {error} (scripts/install-deps.sh test installs it)")
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=characters)
    subsetter.subset(font)
    renamed(font, family, style)
    woff2 = io.BytesIO()
    subset.save_font(font, woff2, options)
    data = base64.b64encode(woff2.getvalue()).decode("ascii")
    return (f'  @font-face {{ font-family: "{family}"; font-weight: {weight}; font-display: block;\n'
            f'               src: url(data:font/woff2;base64,{data}) format("woff2"); }}\n')


def section(notices, number):
    """Section NUMBER of the notices, from its heading to the next one, without
    the heading's underline (a comment in the page may hold no "--")."""
    parts = re.split(r"^(?=\d+\. .*\n-+\n)", notices, flags=re.MULTILINE)
    for part in parts:
        if part.startswith(f"{number}. "):
            heading_and_body = re.sub(r"\n-+\n", "\n", part.rstrip(), count=1)
            return heading_and_body[len(f"{number}. "):] + "\n"
    fail(f"the notices have no section {number}")


def comment(text, opening, closing, forbidden):
    if any(f in text for f in forbidden):
        fail(f"a notice contains {forbidden} and cannot stand in a comment")
    return f"{opening}\n{text}{closing}\n"


def page_texts(texts):
    """The notice for a browser without script, in every language, and the
    program's start-up notices as a script."""
    noscript = "".join(f'<p lang="{tag}">{html.escape(text)}</p>' for tag, text in texts["page-noscript"].items())
    notices = {k: v for k, v in texts.items() if k != "page-noscript"}
    script = json.dumps(notices, ensure_ascii=False, sort_keys=True).replace("</", "<\\/")
    return f"<noscript>{noscript}</noscript>\n", f"<script>var tavrolinNotices = {script};</script>\n"


def main(fonts_dir, shell_path, notices_path, license_path, characters_path, texts_path, output):
    with open(characters_path, encoding="utf-8") as f:
        characters = f.read()
    with open(texts_path, encoding="utf-8") as f:
        texts = json.load(f)
    with open(notices_path, encoding="utf-8") as f:
        notices = f.read()
    with open(license_path, encoding="utf-8") as f:
        licence = f.read()
    with open(shell_path, encoding="utf-8") as f:
        shell = f.read()
    for marker in ("<!-- NOTICES -->\n", "/* FONTS */\n", "<!-- NOSCRIPT -->\n", "<!-- PAGE TEXTS -->\n"):
        if marker not in shell:
            fail(f"the shell has no {marker.strip()}")
    page_notice = ("Tavrolin, this page's program, is under the MIT licence:\n\n" + licence + "\n" + section(notices, 2) +
                   "\nThe notice of the fonts stands beside them, in the style below.\n")
    fonts = comment(section(notices, 1), "/*", "*/", ["*/"]) + "".join(face(fonts_dir, characters, *f) for f in FACES)
    shell = shell.replace("<!-- NOTICES -->\n", comment(page_notice, "<!--", "-->", ["--", "<!-"]))
    shell = shell.replace("/* FONTS */\n", fonts)
    noscript, script = page_texts(texts)
    shell = shell.replace("<!-- NOSCRIPT -->\n", noscript).replace("<!-- PAGE TEXTS -->\n", script)
    with open(output, "w", encoding="utf-8") as f:
        f.write(shell)


if __name__ == "__main__":
    if len(sys.argv) != 8:
        fail(__doc__.strip().splitlines()[-1])
    main(*sys.argv[1:])
