#!/usr/bin/env bash
# Builds Sashlet with its benchmarks and prints their tables (medians over repeated runs).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
builddir=$("$root/scripts/build.sh" --tests)
arch=win32
case "$builddir" in *win64) arch=win64 ;; esac
. "$root/scripts/virtual-display.sh"
start_virtual_display bench "$builddir/wine/bench"
echo "Machine: $(nproc) cores, $(uname -m) Linux $(uname -r), $(/usr/lib/wine/wine64 --version 2>/dev/null), $arch build"
echo
echo "Wipe engine, one push and one restore ($arch build; medians of 15 runs, the middle half in brackets):"
echo
"$root/scripts/wine.sh" "$builddir/wine/bench" "$arch" "$builddir/wipe_bench.exe"
echo
SASHLET_EXE=$builddir/Sashlet.exe SASHLET_PROBE=$builddir/probe.exe SASHLET_TESTWIN=$builddir/testwin.exe \
SASHLET_WINE_ARCH=$arch SASHLET_WINE_DIR=$builddir/wine SASHLET_ARTIFACTS=$builddir/artifacts \
  python3 "$root/bench/bench.py" "$builddir" "$root/build/win32/Sashlet.exe"
