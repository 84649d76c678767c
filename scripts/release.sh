#!/usr/bin/env bash
# Builds the release zip of the 32-bit program: build/win32/Sashlet-<version>-win32.zip.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" >/dev/null
cd "$root/build/win32"
cpack -G ZIP >/dev/null
ls "$root"/build/win32/Sashlet-*.zip
