#!/usr/bin/env bash
# Redraws resources/windows/acpower.ico from the pixel art and the scalable
# drawing in resources/art, and link-cursor.cur from the cursor's pixel art.
# Run it after changing the art and commit the result: a Windows build takes
# the icon file as it is and needs no tool of its own (tst_icon_art fails
# while the file lags behind the art).
#
#   scripts/regenerate-icon.sh       (builds the tool in build/run)
set -euo pipefail
ACPOWER_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ACPOWER_ROOT/scripts/setup.sh"

acpower_install_missing "${ACPOWER_RUN_PACKAGES[@]}"
cmake --preset run >/dev/null
cmake --build --preset run --target acpower_icon_tool
"$ACPOWER_ROOT/build/run/tools/acpower_icon_tool" ico "$ACPOWER_ROOT/resources/windows/acpower.ico" \
    "$ACPOWER_ROOT/resources/art/acpower.svg" \
    "$ACPOWER_ROOT/resources/art/acpower-16.xpm" \
    "$ACPOWER_ROOT/resources/art/acpower-32.xpm"
# The hot spot is the index fingertip, as the art's own header and
# resources/program_art.h state it (tst_icon_art compares them).
"$ACPOWER_ROOT/build/run/tools/acpower_icon_tool" cur "$ACPOWER_ROOT/resources/windows/link-cursor.cur" 12 1 \
    "$ACPOWER_ROOT/resources/art/link-cursor.xpm"
echo "Wrote resources/windows/acpower.ico and resources/windows/link-cursor.cur"
