#!/usr/bin/env bash
# Installs what is missing, builds Sashlet and runs it under Wine: on the
# current X display when there is one, otherwise on a virtual display, saving
# a screenshot of it in build/screenshot.png.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
builddir=$("$root/scripts/build.sh")
arch=win32
case "$builddir" in *win64) arch=win64 ;; esac
appdir=$root/build/run
mkdir -p "$appdir"
cp "$builddir/Sashlet.exe" "$appdir/"
prefix=$builddir/wine/run

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "Running Sashlet on $DISPLAY; right-click a bar and choose Close to end it."
  exec "$root/scripts/wine.sh" "$prefix" "$arch" "$appdir/Sashlet.exe"
fi

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$root/build/run.display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$root/build/run.display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$root/build/run.display")
"$root/scripts/wine.sh" "$prefix" "$arch" "$appdir/Sashlet.exe" &
app=$!
# Wait for the first bar, then take the picture.
for _ in $(seq 300); do
  xdotool search --name '^Sashlet(Left|Right|Top|Bottom)$' >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 0.5
import -display "$DISPLAY" -window root "$root/build/screenshot.png"
echo "No display: Sashlet ran on virtual display $DISPLAY; screenshot saved to build/screenshot.png"
WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
wait "$app" 2>/dev/null || true
kill "$xvfb" 2>/dev/null || true
wait "$xvfb" 2>/dev/null || true
