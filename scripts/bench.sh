#!/usr/bin/env bash
# Builds Sashlet with its benchmarks and prints their tables (medians over repeated runs).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
builddir=$("$root/scripts/build.sh" --tests)
arch=win32
case "$builddir" in *win64) arch=win64 ;; esac
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$root/build/bench.display" 2>/dev/null &
xvfb=$!
prefix=$builddir/wine/bench
cleanup() {
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$root/build/bench.display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$root/build/bench.display")
echo "Wipe engine, one push and one restore ($arch build, medians of 7):"
echo
"$root/scripts/wine.sh" "$prefix" "$arch" "$builddir/wipe_bench.exe"
echo
SASHLET_EXE=$builddir/Sashlet.exe SASHLET_PROBE=$builddir/probe.exe SASHLET_TESTWIN=$builddir/testwin.exe \
SASHLET_WINE_ARCH=$arch SASHLET_WINE_DIR=$builddir/wine SASHLET_ARTIFACTS=$builddir/artifacts \
  python3 "$root/bench/bench.py" "$builddir" "$root/build/win32/Sashlet.exe"
