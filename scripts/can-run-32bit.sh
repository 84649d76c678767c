#!/usr/bin/env bash
# Succeeds when this machine runs 32-bit Linux programs, which 32-bit Wine needs.
# Some kernels are built or booted without 32-bit support (ia32_emulation=off).
# Asked of the kernel itself, before anything is installed: a 96-byte i386
# program whose only work is exit(42) is run, and only that answer counts.
set -u
# In the checkout's build folder, which programs are run from anyway: a
# temporary folder may be mounted without the right to run programs.
build=$(cd "$(dirname "$0")/.." && pwd)/build
mkdir -p "$build" && dir=$(mktemp -d "$build/32bit-check.XXXXXX") || exit 1
trap 'rm -rf "$dir"' EXIT
# ELF header, one loadable segment at 0x08048000, then: mov eax,1; mov ebx,42; int 0x80.
printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'\
'\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00'\
'\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00'\
'\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'\
'\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'\
'\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$dir/exit42"
chmod +x "$dir/exit42"
"$dir/exit42" 2>/dev/null
[ $? -eq 42 ]
