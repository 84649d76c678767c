#!/usr/bin/env bash
# Configures and builds Sashlet. Prints the folder of the build that can run
# here under Wine: the 32-bit one, or, on machines that cannot run 32-bit
# programs, a 64-bit build of the same sources.
# With --tests, the 32-bit build always includes the tests, the test tools
# and the benchmarks, so a 32-bit-only compile error fails on every machine,
# and a 64-bit build supplies the 64-bit programs that the 32-bit Sashlet
# meets on 64-bit Windows.
# Usage: build.sh [--tests]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
tests=OFF
if [ "${1:-}" = --tests ]; then
  tests=ON
fi
log=$root/build/build.log
mkdir -p "$root/build"
: >"$log"

step() {
  if ! "$@" >>"$log" 2>&1; then
    echo "build failed: $*" >&2
    tail -n 40 "$log" >&2
    exit 1
  fi
}

configure() {  # configure DIR TOOLCHAIN [OPTIONS...]
  local dir=$1 toolchain=$2
  shift 2
  step cmake -S "$root" -B "$root/build/$dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain.cmake" "$@"
}

if [ "$tests" = OFF ]; then
  configure win32 mingw-w64-i686
  step cmake --build "$root/build/win32" -j2
  if "$root/scripts/can-run-32bit.sh"; then
    echo "$root/build/win32"
    exit 0
  fi
  configure win64 mingw-w64-x86_64
  step cmake --build "$root/build/win64" -j2
  echo "$root/build/win64"
  exit 0
fi

step cmake -S "$root" -B "$root/build/native" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DSASHLET_SANITIZE=ON
step cmake --build "$root/build/native" -j2

common=(-DSASHLET_BUILD_TESTS=ON -DSASHLET_NATIVE_DIR="$root/build/native"
        -DSASHLET_SHIPPED_EXE="$root/build/win32/Sashlet.exe" -DSASHLET_WIN64_DIR="$root/build/win64")
configure win32 mingw-w64-i686 "${common[@]}"
step cmake --build "$root/build/win32" -j2
configure win64 mingw-w64-x86_64 "${common[@]}"
if "$root/scripts/can-run-32bit.sh"; then
  # The 32-bit build runs the tests; the 64-bit one only lends its test
  # programs to the tests of a 32-bit Sashlet among 64-bit programs.
  step cmake --build "$root/build/win64" -j2 --target testwin probe
  echo "$root/build/win32"
else
  step cmake --build "$root/build/win64" -j2
  echo "$root/build/win64"
fi
