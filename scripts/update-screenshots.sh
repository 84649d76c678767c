#!/usr/bin/env bash
# Copies the pictures the end-to-end tests take into docs/images for the user
# guide, cropped to what they show. Run scripts/test.sh first.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
art=$(ls -d "$root"/build/win*/artifacts | head -n1)
out=$root/docs/images
mkdir -p "$out"
pick() { ls "$art"/$1 | head -n1; }
convert "$(pick "*four-edges.png")" -resize 50% "$out/bars.png"
convert "$(pick "*test_left-wiped.png")" -resize 50% "$out/wipe.png"
convert "$(pick 'PagesLookTest-test_both_pages_fit_and_are_kept_as_pictures-options-page.png')" -crop 480x400+0+0 +repage "$out/options-en.png"
convert "$(pick 'PagesLookTest-test_both_pages_fit_and_are_kept_as_pictures-ignore-page.png')" -crop 480x400+0+0 +repage "$out/ignore-en.png"
convert "$(pick 'JapanesePagesLookTest-test_both_pages_fit_and_are_kept_as_pictures-options-page.png')" -crop 480x400+0+0 +repage "$out/options-ja.png"
convert "$(pick 'JapanesePagesLookTest-test_both_pages_fit_and_are_kept_as_pictures-ignore-page.png')" -crop 480x400+0+0 +repage "$out/ignore-ja.png"
