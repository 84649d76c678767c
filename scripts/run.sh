#!/usr/bin/env bash
# Installs what is missing, builds Sashlet and runs it under Wine.
#   run.sh          on the current X display; without one, a demonstration on a
#                   virtual display: a desktop with icons and windows covering
#                   them is wiped and restored, and the screen is saved before
#                   and after in build/demo-before.png and build/demo-after.png
#   run.sh --demo   on the current X display, beside the same stand-in desktop,
#                   so there is something to wipe
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
demo=no
[ "${1:-}" = --demo ] && demo=yes
"$root/scripts/install-deps.sh"
has_display=no
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then has_display=yes; fi
# The stand-in desktop comes from the test programs.
if [ "$has_display" = no ] || [ "$demo" = yes ]; then
  builddir=$("$root/scripts/build.sh" --tests)
else
  builddir=$("$root/scripts/build.sh")
fi
arch=win32
case "$builddir" in *win64) arch=win64 ;; esac

if [ "$has_display" = no ]; then
  . "$root/scripts/virtual-display.sh"
  start_virtual_display run "$builddir/wine/run"
  echo "No display: a demonstration on virtual display $DISPLAY ($arch build)."
  SASHLET_EXE=$builddir/Sashlet.exe SASHLET_PROBE=$builddir/probe.exe SASHLET_TESTWIN=$builddir/testwin.exe \
  SASHLET_WINE_ARCH=$arch SASHLET_WINE_DIR=$builddir/wine SASHLET_ARTIFACTS=$builddir/artifacts \
    python3 "$root/scripts/demo.py" "$root/build"
  exit
fi

appdir=$root/build/run
mkdir -p "$appdir"
cp "$builddir/Sashlet.exe" "$appdir/"
prefix=$builddir/wine/run
if [ "$demo" = yes ]; then
  # The stand-in desktop: icons below everything, and windows covering them.
  "$root/scripts/wine.sh" "$prefix" "$arch" "$builddir/testwin.exe" 'Program Manager:0,0,1024,768:desktop' \
    'report.txt - Editor:8,20,430,300:caption,text' 'Documents - Files:36,330,360,250:caption,files' \
    'To do:600,140,300,200:caption,memo' &
fi
echo "Running Sashlet on $DISPLAY; right-click a bar and choose Close to end it."
exec "$root/scripts/wine.sh" "$prefix" "$arch" "$appdir/Sashlet.exe"
