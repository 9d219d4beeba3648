#!/usr/bin/env bash
# Remakes, from the art in resources/art, the theme icons rendered from the
# scalable drawing, the Windows icon and the link cursor, with Debian's tools:
# rsvg-convert (librsvg2-bin) and icotool (icoutils). Run it after changing
# the art and commit the result: a build only copies the files, and
# tst_icon_files fails while the Windows files lag behind the PNGs.
#
# The art drawn by hand, pixel by pixel in the 16 VGA colours:
#   acpower-16.png, acpower-32.png  the program icon, a red and a dark-blue
#                                   zigzag over a dotted grid;
#   link-cursor.png                 32 x 32 with transparency, a white pointing
#                                   hand with a blue cuff, its hot spot at the
#                                   index fingertip (12, 1), as
#                                   resources/program_art.h has it.
#
#   scripts/regenerate-icon.sh [ART_DIR WINDOWS_DIR]   (resources/art and
#                                                       resources/windows)
set -euo pipefail
ACPOWER_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ACPOWER_ROOT/scripts/setup.sh"

acpower_install_missing "${ACPOWER_ART_PACKAGES[@]}"
art=${1:-$ACPOWER_ROOT/resources/art}
windows=${2:-$ACPOWER_ROOT/resources/windows}

for size in 48 64 128 256; do
    rsvg-convert --width=$size --height=$size --output="$art/acpower-$size.png" "$art/acpower.svg"
done
# 32-bit bitmaps, which every Windows reads, and the 256 px image as PNG,
# which Vista and later read. No 128: Windows never asks for it, and as a
# bitmap it would double the file.
icotool --create --bit-depth=32 --output="$windows/acpower.ico" \
    "$art/acpower-16.png" "$art/acpower-32.png" "$art/acpower-48.png" "$art/acpower-64.png" \
    --raw="$art/acpower-256.png"
icotool --create --cursor --bit-depth=32 --hotspot-x=12 --hotspot-y=1 --output="$windows/link-cursor.cur" \
    "$art/link-cursor.png"
# The web site's icons: the drawing alone at the sizes an install asks for,
# and, on the window's grey, inside the circle a launcher's mask keeps (the
# maskable one) and on an opaque square (the apple-touch-icon).
web=$ACPOWER_ROOT/resources/web
for size in 192 512; do
    rsvg-convert --width=$size --height=$size --output="$web/icon-$size.png" "$art/acpower.svg"
done
rsvg-convert --page-width=512 --page-height=512 --left=112 --top=112 --width=288 --height=288 \
    --background-color='#f0f0f0' --output="$web/icon-maskable-512.png" "$art/acpower.svg"
rsvg-convert --page-width=180 --page-height=180 --left=18 --top=18 --width=144 --height=144 \
    --background-color='#f0f0f0' --output="$web/apple-touch-icon.png" "$art/acpower.svg"
echo "Wrote the rendered icons in $art and $web, and acpower.ico and link-cursor.cur in $windows"
