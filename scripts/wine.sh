#!/usr/bin/env bash
# Runs a Windows program in one of this checkout's Wine prefixes.
# Usage: wine.sh PREFIX_DIR ARCH PROGRAM [ARGS...]   (ARCH: win32 or win64)
# The prefix is made on first use. DISPLAY must name a running X server.
set -eu
prefix=$1 arch=$2
shift 2
export WINEPREFIX=$prefix WINEARCH=$arch WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ "$arch" = win64 ]; then wine=/usr/lib/wine/wine64; else wine=/usr/lib/wine/wine; fi

# regedit wants a Windows path; the prefix maps / to drive Z:.
winepath_of() { printf 'Z:%s' "$1" | tr / '\\'; }

make_prefix() {
  "$wine" wineboot -i >/dev/null 2>&1 || true
  # Fonts as a Windows desktop has them: Wine's own Tahoma (the dialog font),
  # and IPA's Japanese fonts standing in for the Japanese UI fonts, whose
  # metrics they share, so dialogs laid out for those keep their size.
  mkdir -p "$prefix/drive_c/windows/Fonts"
  cp -n /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
  local reg=$prefix/fonts.reg
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"MS UI Gothic"="IPAPGothic"' '"MS PGothic"="IPAPGothic"' '"ＭＳ Ｐゴシック"="IPAPGothic"' \
    '"MS Gothic"="IPAGothic"' '"ＭＳ ゴシック"="IPAGothic"' | iconv -f UTF-8 -t UTF-16 >"$reg"
  "$wine" regedit /S "$(winepath_of "$reg")" >/dev/null 2>&1 || true
  wineserver -w
}

if [ ! -f "$prefix/system.reg" ]; then
  # Several tests may ask for the same prefix at once: one makes it, the others wait.
  mkdir -p "$(dirname "$prefix")"
  exec 9>"$prefix.lock"
  flock 9
  [ -f "$prefix/system.reg" ] || make_prefix
  flock -u 9
fi
exec "$wine" "$@"
