#!/usr/bin/env bash
# Exits 0 when this machine's kernel runs 32-bit x86 (i386) Linux programs,
# 1 when it does not. Wine's 32-bit loader is such a program, so without this
# Wine runs no 32-bit Windows program; some kernels (and hosts) leave the
# IA-32 emulation off. The probe is a 95-byte hand-made i386 ELF that ends
# with exit status 42, so nothing else can pass for it.
set -u
probe=$(mktemp "${TMPDIR:-/tmp}/psui-i386-probe.XXXXXX") || exit 1
trap 'rm -f "$probe"' EXIT
# ELF header (52 bytes), one loadable segment (32 bytes), then the code at
# 0x08048054: xor ebx,ebx; mov bl,42; mov eax,1 (exit); int 0x80.
printf '%b' \
  '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
  '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
  '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00' \
  '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' \
  '\x5f\x00\x00\x00\x5f\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
  '\x31\xdb\xb3\x2a\xb8\x01\x00\x00\x00\xcd\x80' >"$probe"
chmod +x "$probe"
"$probe" 2>/dev/null
[ $? -eq 42 ]
