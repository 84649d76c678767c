#!/usr/bin/env bash
# Random desktops wiped and restored through the real Sashlet.exe, as a person would.
# Usage: stress.sh [N]                 N trials (default 1000) with a new seed, one in five on two monitors
#        stress.sh --seed S [N]        N trials of seed S
#        stress.sh --seed S --trial K [--two-monitors]
#                                      exactly trial K of seed S, as a failure names it
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
args=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seed|--trial) args+=("$1" "$2"); shift 2 ;;
    --two-monitors) args+=("$1"); shift ;;
    *) args+=(--count "$1"); shift ;;
  esac
done
case " ${args[*]:-} " in *" --count "*|*" --trial "*) ;; *) args+=(--count 1000) ;; esac
"$root/scripts/install-deps.sh"
builddir=$("$root/scripts/build.sh" --tests)
arch=win32
case "$builddir" in *win64) arch=win64 ;; esac
echo "Trials on the $arch build ($builddir/Sashlet.exe)"
cd "$root/tests/e2e"
SASHLET_EXE=$builddir/Sashlet.exe SASHLET_PROBE=$builddir/probe.exe SASHLET_TESTWIN=$builddir/testwin.exe \
SASHLET_WINE_ARCH=$arch SASHLET_WINE_DIR=$builddir/wine SASHLET_ARTIFACTS=$builddir/artifacts \
  exec python3 trials.py "${args[@]}"
