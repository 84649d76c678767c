#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite:
# native unit tests under the sanitizers, Win32 tests under Wine, and
# end-to-end tests of the real program on virtual X displays.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
testdir=$("$root/scripts/build.sh" --tests)

# The Win32 tests create windows, so they need a display of their own.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$root/build/xvfb.display" 2>/dev/null &
xvfb=$!
wineprefix=$testdir/wine/unit
cleanup() {
  WINEPREFIX=$wineprefix wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$root/build/xvfb.display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$root/build/xvfb.display")

cd "$testdir"
ctest --output-on-failure -j2 --timeout 900
