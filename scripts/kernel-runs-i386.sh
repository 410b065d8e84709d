#!/usr/bin/env bash
# Exits 0 when this machine's kernel executes 32-bit x86 programs, 1 when it
# does not (a kernel without IA-32 emulation gives "Exec format error"). It
# finds out by running one: a 96-byte static i386 ELF that only exits with
# status 42, so the answer needs no i386 package on the machine and cannot be
# mistaken for another program's success.
set -uo pipefail

probe=$(mktemp /tmp/tavrolin-i386.XXXXXX)
trap 'rm -f "$probe"' EXIT
# ELF header (52 bytes), one PT_LOAD program header (32 bytes), then the
# code at 0x08048054: mov eax, 1 (exit); mov ebx, 42; int 0x80.
printf '%b' \
    '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
    '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
    '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' \
    '\x00\x00\x00\x00' \
    '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' \
    '\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
    '\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$probe"
chmod +x "$probe"
"$probe" 2>/dev/null
[ $? -eq 42 ]
