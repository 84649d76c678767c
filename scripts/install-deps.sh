#!/usr/bin/env bash
# Installs every Debian 12 package that building, running and testing Sashlet needs.
# Only packages that are missing are installed, so a second run costs a few dpkg queries.
# Xorg with the dummy driver, and RandR for 32-bit Wine, show the tests two monitors.
# Wine's preloaders reserve its fixed addresses before anything else is mapped;
# without them a start now and then ends in Wine's loader, before the program runs.
set -eu
pkgs=(cmake make g++ clang libclang-rt-14-dev doctest-dev
      g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64
      wine wine32:i386 wine64 wine64-preloader wine32-preloader:i386 xvfb xdotool x11-utils imagemagick fonts-ipafont-gothic fonts-wine
      xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils libxinerama1:i386 libxrandr2:i386
      python3 locales)
missing=()
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  # A mirror caught mid-sync fails one index and leaves the rest usable: the
  # install below still finds what it needs, or fails itself.
  apt-get update -qq || echo "install-deps: some package lists could not be updated; using those there are" >&2
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
