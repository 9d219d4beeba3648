#!/usr/bin/env bash
# Regenerates docs/screenshot-windows.png: the Windows program under Wine on a
# virtual X server, with README's example room typed in by the test driver.
#   scripts/screenshot-windows.sh [output.png]
set -euo pipefail
ACPOWER_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ACPOWER_ROOT/scripts/setup.sh"

acpower_install_missing "${ACPOWER_WINDOWS_PACKAGES[@]}" "${ACPOWER_WINDOWS_SCREENSHOT_PACKAGES[@]}"
output=$(realpath -m "${1:-$ACPOWER_ROOT/docs/screenshot-windows.png}")

# The 32-bit program that ships, where this machine can run it.
preset=windows
bits=32
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    preset=windows64
    bits=64
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target acpower acpower_win32_driver
tree="$ACPOWER_ROOT/build/$preset"

shoot="$(mktemp)"
trap 'rm -f "$shoot"' EXIT
cat >"$shoot" <<'SCRIPT'
set -euo pipefail
driver=$1
program=$2
output=$3
# A window manager draws the title bar, so the picture shows the window
# the way a desktop does.
openbox &
wm=$!
sleep 1
"$ACPOWER_WINE" "$driver" --example 6 "$("$ACPOWER_WINE" winepath -w "$program" | tr -d '\r')" &
shown=$!
# Wine names the X window's class after the program's file.
window=$(timeout 60 xdotool search --sync --onlyvisible --class acpower.exe | head -n 1)
sleep 2
# -frame: the window with the title bar the window manager gave it.
import -frame -window "$window" "$output"
wait "$shown"
kill "$wm"
SCRIPT
"$ACPOWER_ROOT/tests/win32/wine_session.sh" "$tree/tests/win32/wine-prefix-win32_window" "$bits" "$bits" --script "$shoot" \
    "$tree/tests/win32/acpower_win32_driver.exe" "$tree/win32/acpower.exe" "$output"
echo "Wrote $output"
