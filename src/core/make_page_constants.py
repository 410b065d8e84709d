#!/usr/bin/python3
"""Writes the core's numbers that the page's script uses, as one script
object, tavrolinCore: each enum named below as {name: number}, and the named
integer constants. Read from the core's headers, so the page never keeps a
copy of them by hand.

make_page_constants.py CORE_DIR OUTPUT
"""
import json
import pathlib
import re
import sys

ENUMS = {"input/Input.h": ["Key", "Target"], "layout/Layout.h": ["ControlKind"], "window/MainWindow.h": ["Event"]}
INTEGERS = {"window/MainWindow.h": ["eventsPerControl"]}


def fail(why):
    sys.exit(f"make_page_constants.py: {why}")


def main(core, output):
    constants = {}
    for header, names in ENUMS.items():
        text = (pathlib.Path(core) / header).read_text(encoding="utf-8")
        for name in names:
            found = re.search(r"enum class " + name + r"\b[^{]*\{([^}]*)\}", text)
            if not found:
                fail(f"{header} has no enum class {name}")
            body = re.sub(r"//[^\n]*", "", found.group(1))
            members = [m.strip() for m in body.split(",") if m.strip()]
            if any(not re.fullmatch(r"[A-Za-z]\w*", m) for m in members):
                fail(f"{name} in {header} gives a member its own value; the page numbers them from 0")
            constants[name] = {m: i for i, m in enumerate(members)}
    for header, names in INTEGERS.items():
        text = (pathlib.Path(core) / header).read_text(encoding="utf-8")
        for name in names:
            found = re.search(r"constexpr int " + name + r" = (\d+);", text)
            if not found:
                fail(f"{header} has no constexpr int {name}")
            constants[name] = int(found.group(1))
    pathlib.Path(output).write_text("var tavrolinCore = " + json.dumps(constants) + ";\n", encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        fail(__doc__.strip().splitlines()[-1])
    main(*sys.argv[1:])
