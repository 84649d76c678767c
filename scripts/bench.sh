#!/usr/bin/env bash
# Builds Sashlet with its benchmarks and prints their tables (medians over repeated runs).
# Usage: bench.sh [--against REF]
#   --against REF  runs only the wipe engine's benchmark and the start-up: this
#                  checkout's and the commit REF's, built alike and run in turn (the
#                  wipe engine twice each, in one prefix; this checkout's also as on
#                  two monitors, each window weighed against both), and the start-up
#                  of both programs in turn with the minimal program, on one monitor and on two
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
against=
if [ "${1:-}" = --against ]; then
  against=$(git -C "$root" rev-parse --short "$2")
fi
"$root/scripts/install-deps.sh"
builddir=$("$root/scripts/build.sh" --tests)
arch=win32
case "$builddir" in *win64) arch=win64 ;; esac
. "$root/scripts/virtual-display.sh"
start_virtual_display bench "$builddir/wine/bench"
run_bench_py() {
  SASHLET_EXE=$builddir/Sashlet.exe SASHLET_PROBE=$builddir/probe.exe SASHLET_TESTWIN=$builddir/testwin.exe \
  SASHLET_WINE_ARCH=$arch SASHLET_WINE_DIR=$builddir/wine SASHLET_ARTIFACTS=$builddir/artifacts \
    python3 "$root/bench/bench.py" "$builddir" "$root/build/win32/Sashlet.exe" "$@"
}
echo "Machine: $(nproc) cores, $(uname -m) Linux $(uname -r), $(/usr/lib/wine/wine64 --version 2>/dev/null), $arch build"
echo
if [ -n "$against" ]; then
  # REF's sources as they were committed, built the same way as ours.
  other=$root/build/against-$against
  rm -rf "$other/src"
  mkdir -p "$other/src"
  git -C "$root" archive "$against" | tar -x -C "$other/src"
  toolchain=mingw-w64-i686
  [ "$arch" = win64 ] && toolchain=mingw-w64-x86_64
  cmake -S "$other/src" -B "$other/$arch" -DCMAKE_TOOLCHAIN_FILE="$other/src/cmake/$toolchain.cmake" \
    -DSASHLET_BUILD_TESTS=ON >"$other/build.log" 2>&1
  cmake --build "$other/$arch" -j2 --target wipe_bench testwin Sashlet >>"$other/build.log" 2>&1
  here=$(git -C "$root" rev-parse --short HEAD)$(git -C "$root" diff --quiet HEAD || echo +changes)
  for round in 1 2; do
    for side in "$here $builddir" "$against $other/$arch"; do
      set -- $side
      echo "Wipe engine of $1, round $round of 2 ($arch build; medians of 15 runs, the middle half in brackets):"
      echo
      "$root/scripts/wine.sh" "$builddir/wine/bench" "$arch" "$2/wipe_bench.exe"
      echo
    done
    echo "Wipe engine of $here on two monitors, round $round of 2:"
    echo
    SASHLET_BENCH_TWO_MONITORS=1 "$root/scripts/wine.sh" "$builddir/wine/bench" "$arch" "$builddir/wipe_bench.exe"
    echo
  done
  # A program from before bars on every screen has none on the second monitor.
  older=
  grep -q EveryScreen "$other/src/src/config/settings.cpp" 2>/dev/null || older=--against-main-screen-only
  echo "Start-up of $here and of $against ($arch build):"
  echo
  run_bench_py --start-up-only --against-exe "$other/$arch/Sashlet.exe" $older
  exit 0
fi
echo "Wipe engine, one push and one restore ($arch build; medians of 15 runs, the middle half in brackets):"
echo
"$root/scripts/wine.sh" "$builddir/wine/bench" "$arch" "$builddir/wipe_bench.exe"
echo
echo "The same on two monitors, each window weighed against both:"
echo
SASHLET_BENCH_TWO_MONITORS=1 "$root/scripts/wine.sh" "$builddir/wine/bench" "$arch" "$builddir/wipe_bench.exe"
echo
run_bench_py
