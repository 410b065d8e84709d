#!/usr/bin/python3
"""Writes tavrolin.html, the whole program in one file: the shell (its styles,
fonts and notices, written by page_shell.py), the program's WebAssembly in
base 64 where the shell has {{{ CODE }}}, and the program's script (the page's
script and what emscripten wrote around it) where it has {{{ SCRIPT }}}.

page_file.py SHELL SCRIPT WASM OUTPUT
"""
import base64
import sys


def fail(why):
    sys.exit(f"page_file.py: {why}")


def main(shell_path, script_path, wasm_path, output):
    with open(shell_path, encoding="utf-8") as f:
        shell = f.read()
    with open(script_path, encoding="utf-8") as f:
        script = f.read()
    with open(wasm_path, "rb") as f:
        wasm = f.read()
    for marker in ("{{{ CODE }}}", "{{{ SCRIPT }}}"):
        if shell.count(marker) != 1:
            fail(f"the shell has {shell.count(marker)} {marker}, not one")
    # The script stands inside the page as it is: a "</script" in it would
    # end it early.
    if "</script" in script.lower():
        fail(f"{script_path} holds a </script, which would end the page's script")
    if not wasm.startswith(b"\0asm"):
        fail(f"{wasm_path} is no WebAssembly")
    page = shell.replace("{{{ CODE }}}", base64.b64encode(wasm).decode("ascii"))
    page = page.replace("{{{ SCRIPT }}}", f"<script>\n{script}\n</script>")
    with open(output, "w", encoding="utf-8") as f:
        f.write(page)


if __name__ == "__main__":
    if len(sys.argv) != 5:
        fail(__doc__.strip().splitlines()[-1])
    main(*sys.argv[1:])
