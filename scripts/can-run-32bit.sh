#!/usr/bin/env bash
# Succeeds when this machine can run 32-bit Linux programs, which 32-bit Wine needs.
# Some kernels are built or booted without 32-bit support (ia32_emulation=off).
[ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
