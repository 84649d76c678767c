#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite:
# native unit tests under the sanitizers, Win32 tests under Wine, and
# end-to-end tests of the real program on virtual X displays.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
testdir=$("$root/scripts/build.sh" --tests)

# The Win32 tests create windows, so they need a display of their own.
. "$root/scripts/virtual-display.sh"
start_virtual_display xvfb "$testdir/wine/unit"

if ! "$root/scripts/can-run-32bit.sh"; then
  echo "This machine cannot run 32-bit programs: the Wine tests run a 64-bit build of the same"
  echo "sources, and e2e.test_wow64 (the shipped 32-bit Sashlet among 64-bit programs) is skipped."
fi

cd "$testdir"
ctest --output-on-failure -j2 --timeout 900
