#!/usr/bin/env bash
# Installs every Debian 12 package that building, running and testing Sashlet needs.
# Only packages that are missing are installed, so a second run costs a few dpkg queries.
# Xorg with the dummy driver, and RandR for 32-bit Wine, show the tests two monitors.
# Wine's preloaders reserve its fixed addresses before anything else is mapped;
# without them a start now and then ends in Wine's loader, before the program runs.
#
# A mirror caught mid-sync can leave one architecture's or one pocket's list
# behind the others. Libraries built for both architectures must then have
# the same version on both, and apt finds no way to install them. So an
# install that cannot be resolved is tried again after a second update, and
# then with the release's own versions alone, which every list agrees on.
# Nothing installed is ever removed.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)

pkgs=(cmake make g++ clang libclang-rt-14-dev doctest-dev
      g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64
      wine wine64 wine64-preloader xvfb xdotool x11-utils imagemagick fonts-ipafont-gothic fonts-wine
      xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
      python3 locales)
# 32-bit Wine, and the libraries its X11 driver loads to see two monitors:
# useless where the kernel cannot run 32-bit programs, so not even asked for there.
pkgs32=(wine32:i386 wine32-preloader:i386 libxinerama1:i386 libxrandr2:i386)

say() { echo "install-deps: $*" >&2; }

# SASHLET_RUNS_32BIT (1 or 0) stands in for the kernel's answer in the installer's own tests.
runs32=${SASHLET_RUNS_32BIT:-}
if [ -z "$runs32" ]; then
  if "$root/scripts/can-run-32bit.sh"; then runs32=1; else runs32=0; fi
fi
[ "$runs32" = 1 ] && pkgs+=("${pkgs32[@]}")

missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$runs32" = 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi

release=bookworm
if [ -r /etc/os-release ]; then
  release=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
fi

log=$(mktemp)
trap 'rm -f "$log"' EXIT
trap 'say "interrupted; nothing already installed was removed. Run scripts/install-deps.sh again to finish."; exit 130' INT TERM
export DEBIAN_FRONTEND=noninteractive

update() {
  apt-get update -qq >"$log" 2>&1 ||
    say "some package lists could not be updated (a mirror may be mid-sync); going on with those there are"
}

# Waits for another apt (a fresh machine's own upgrades) rather than failing on its lock.
install() {
  apt-get install -y -qq --no-install-recommends --no-remove -o DPkg::Lock::Timeout=600 "$@" "${missing[@]}" \
    >"$log" 2>&1
}

# The packages apt names as the ones it could not have.
unavailable() {
  sed -n -e "s/^E: Unable to locate package \(.*\)$/\1/p" \
         -e "s/^E: Package '\([^']*\)' has no installation candidate$/\1/p" \
         -e "s/^E: Version '[^']*' for '\([^']*\)' was not found$/\1/p" \
         -e 's/^ *\([^ ]*\) : Depends: .*$/\1/p' \
         -e 's/^ *Depends: \([^ ]*\) .*but it is not installable$/\1/p' "$log" | sort -u | tr '\n' ' '
}

say "installing ${#missing[@]} packages (${missing[*]}); this takes a minute or two"
update
if install; then exit 0; fi

if grep -q 'dpkg was interrupted' "$log"; then
  say "an earlier install was interrupted; finishing it (dpkg --configure -a) and trying again"
  dpkg --configure -a >"$log" 2>&1 || true
  if install; then exit 0; fi
fi

say "the install could not be resolved; updating the package lists once more and trying again"
update
if install; then exit 0; fi

say "the package lists disagree (a mirror mid-sync?); installing $release's own versions, which every list has"
if install -t "$release"; then exit 0; fi

names=$(unavailable)
say "could not install: ${names:-${missing[*]}}. apt said:"
cat "$log" >&2
say "nothing already installed was removed. Run scripts/install-deps.sh again once the mirror has caught up."
exit 1
