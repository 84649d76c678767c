#!/usr/bin/env bash
# Configures and builds Sashlet. Prints the folder of the build that can run
# here under Wine: the 32-bit one, or, on machines that cannot run 32-bit
# programs, a 64-bit build of the same sources.
# Usage: build.sh [--tests]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
tests=OFF
test_option=()
if [ "${1:-}" = --tests ]; then
  tests=ON
  test_option=(-DSASHLET_BUILD_TESTS=ON)
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

if [ "$tests" = ON ]; then
  step cmake -S "$root" -B "$root/build/native" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DSASHLET_SANITIZE=ON
  step cmake --build "$root/build/native" -j2
fi

if "$root/scripts/can-run-32bit.sh"; then
  step cmake -S "$root" -B "$root/build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake" \
    "${test_option[@]}" -DSASHLET_NATIVE_DIR="$root/build/native"
  step cmake --build "$root/build/win32" -j2
  echo "$root/build/win32"
else
  # The shipped program is always the 32-bit build.
  step cmake -S "$root" -B "$root/build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake"
  step cmake --build "$root/build/win32" -j2
  step cmake -S "$root" -B "$root/build/win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    "${test_option[@]}" -DSASHLET_NATIVE_DIR="$root/build/native" \
    -DSASHLET_SHIPPED_EXE="$root/build/win32/Sashlet.exe"
  step cmake --build "$root/build/win64" -j2
  echo "$root/build/win64"
fi
