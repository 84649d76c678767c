#!/usr/bin/env bash
# Runs a Windows program in one of this checkout's Wine prefixes.
# Usage: wine.sh PREFIX_DIR ARCH PROGRAM [ARGS...]   (ARCH: win32 or win64)
# The prefix is made on first use. DISPLAY must name a running X server.
set -eu
prefix=$1 arch=$2
shift 2
export WINEPREFIX=$prefix WINEARCH=$arch WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ "$arch" = win64 ]; then wine=/usr/lib/wine/wine64; else wine=/usr/lib/wine/wine; fi
if [ ! -f "$prefix/system.reg" ]; then
  # Several tests may ask for the same prefix at once: one makes it, the others wait.
  mkdir -p "$(dirname "$prefix")"
  exec 9>"$prefix.lock"
  flock 9
  if [ ! -f "$prefix/system.reg" ]; then
    "$wine" wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  flock -u 9
fi
exec "$wine" "$@"
