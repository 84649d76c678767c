#!/usr/bin/env bash
# Turns the pictures the end-to-end tests take into docs/images for the README
# and the user guide: cropped to what they show, scaled, and stored as indexed
# PNG so each stays a few tens of KB. Run scripts/test.sh first.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
art=$(ls -d "$root"/build/win*/artifacts | head -n1)
out=$root/docs/images
mkdir -p "$out"
pick() { ls "$art"/$1 | head -n1; }
# indexed SOURCE CROP SCALE OUT: crop, scale and reduce to a palette.
indexed() { convert "$1" -crop "$2" +repage -resize "$3" -colors 128 -strip "PNG8:$4"; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# label PICTURE TEXT: the text in a white band above the picture, in a font
# the test set-up installs.
label() {
  convert "$1" -gravity North -background white -splice 0x26 \
    -font /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf -pointsize 18 -fill black -annotate +0+3 "$2" "$1"
}
indexed "$(pick 'PicturesTest-*-wipe-before.png')" 600x600+0+0 60% "$work/before.png"
indexed "$(pick 'PicturesTest-*-wipe-after.png')" 600x600+0+0 60% "$work/after.png"
label "$work/before.png" Before
label "$work/after.png" After
convert "$work/before.png" "$work/after.png" -background white -splice 8x0 +append -chop 8x0 \
  -colors 128 -strip "PNG8:$out/wipe-before-after.png"
indexed "$(pick 'PicturesTest-*-drag-file-to-bar.png')" 600x640+0+0 60% "$work/to-bar.png"
indexed "$(pick 'PicturesTest-*-drag-file.png')" 600x640+0+0 60% "$work/wiped.png"
label "$work/to-bar.png" "File held at the bar"
label "$work/wiped.png" "Edge wiped"
convert "$work/to-bar.png" "$work/wiped.png" -background white -splice 8x0 +append -chop 8x0 \
  -colors 128 -strip "PNG8:$out/drag-file.png"
# Wide enough for the whole "To do" window, and tall enough for the pointer.
indexed "$(pick 'PicturesTest-*-bar-drag.png')" 920x768+0+0 50% "$out/bar-drag.png"
indexed "$(pick 'PicturesTest-test_the_context_menu-menu.png')" 320x200+0+150 100% "$out/menu-en.png"
indexed "$(pick 'JapanesePicturesTest-test_the_context_menu-menu.png')" 320x200+0+150 100% "$out/menu-ja.png"
indexed "$(pick 'PicturesTest-*-bars.png')" 1024x768+0+0 50% "$out/bars.png"
# Both monitors, side by side, the second one wiped.
indexed "$(pick 'EveryScreenTest-*-every-screen.png')" 2048x768+0+0 40% "$out/every-screen.png"
# The test keeps the options sheet whole, title bar and frame included.
whole=100%x100%+0+0
indexed "$(pick 'PagesLookTest-*-options-page.png')" $whole 100% "$out/options-en.png"
indexed "$(pick 'PagesLookTest-*-ignore-page.png')" $whole 100% "$out/ignore-en.png"
indexed "$(pick 'JapanesePagesLookTest-*-options-page.png')" $whole 100% "$out/options-ja.png"
indexed "$(pick 'JapanesePagesLookTest-*-ignore-page.png')" $whole 100% "$out/ignore-ja.png"
indexed "$(pick 'PagesLookTest-*-keys-page.png')" $whole 100% "$out/keys-en.png"
indexed "$(pick 'JapanesePagesLookTest-*-keys-page.png')" $whole 100% "$out/keys-ja.png"
