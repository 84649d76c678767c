# Sourced by the scripts that need an X display of their own.
# start_virtual_display NAME PREFIX: starts Xvfb on a free display, exports
# DISPLAY, and on exit ends that Wine prefix's processes and the Xvfb it started.
start_virtual_display() {
  local file=$root/build/$1.display
  display_prefix=$2
  mkdir -p "$root/build"
  : >"$file"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$file" 2>/dev/null &
  xvfb_pid=$!
  trap stop_virtual_display EXIT
  for _ in $(seq 100); do [ -s "$file" ] && break; sleep 0.1; done
  export DISPLAY=:$(head -n1 "$file")
}

stop_virtual_display() {
  WINEPREFIX=$display_prefix wineserver -k 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
}
