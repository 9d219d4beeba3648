#!/usr/bin/env bash
# Regenerates docs/screenshot.png: the calculator under a virtual X server,
# with the example room typed in as a user would type it.
#   scripts/screenshot.sh [--empty | --tooltip] [output.png]
# --empty shows the window as it starts, with nothing typed; --tooltip rests
# the mouse on the power box, so its explanation shows too (the picture then
# takes in the tool tip beside the window; default docs/screenshot-tooltip.png).
# It builds and shoots the run preset's tree, build/run.
set -euo pipefail
ACPOWER_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ACPOWER_ROOT/scripts/setup.sh"

typing=yes
hover=no
picture=screenshot.png
if [[ ${1:-} == --empty ]]; then
    typing=no
    shift
elif [[ ${1:-} == --tooltip ]]; then
    hover=yes
    picture=screenshot-tooltip.png
    shift
fi
output=$(realpath -m "${1:-$ACPOWER_ROOT/docs/$picture}")

shoot() {
    local program=$1
    # A window manager draws the title bar, so the picture shows the window
    # the way a desktop does.
    openbox &
    local wm=$!
    sleep 1
    # The Russian locale gives the decimal comma; Qt reads it from the
    # environment even where glibc has no Russian locale installed.
    LC_ALL=ru_RU.UTF-8 "$program" &
    local pid=$!
    local window
    window=$(xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
    # Focus the window as a click on it would; the first entry box then
    # holds the keyboard focus.
    xdotool windowactivate --sync "$window"
    sleep 1
    if [[ $typing == yes ]]; then
        # The example room, box after box; the cursor stays in the last box.
        xdotool type --delay 60 25
        local value
        for value in 2,8 3 2 1000; do
            xdotool key Tab
            xdotool type --delay 60 "$value"
        done
        sleep 1
    fi
    if [[ $hover == yes ]]; then
        # The middle of Text7 at 96 DPI; Qt shows the tool tip after a pause.
        xdotool mousemove --window "$window" 500 146
        sleep 2
    fi
    local geometry
    geometry=$(xwininfo -id "$window" | awk '
        /Absolute upper-left X/ { x = $NF }
        /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF }
        /Height:/ { h = $NF }
        END { print x, y, w, h }')
    local left right top bottom x y w h
    read -r left right top bottom <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | tr -cs '0-9' ' ')"
    read -r x y w h <<<"$geometry"
    local x0=$((x - left)) y0=$((y - top)) x1=$((x + w + right)) y1=$((y + h + bottom))
    if [[ $hover == yes ]]; then
        # The tool tip is a window of its own; take in every visible one.
        local each
        for each in $(xdotool search --onlyvisible --pid "$pid"); do
            read -r x y w h <<<"$(xwininfo -id "$each" | awk '
                /Absolute upper-left X/ { x = $NF }
                /Absolute upper-left Y/ { y = $NF }
                /Width:/ { w = $NF }
                /Height:/ { h = $NF }
                END { print x, y, w, h }')"
            ((x < x0)) && x0=$x
            ((y < y0)) && y0=$y
            ((x + w > x1)) && x1=$((x + w))
            ((y + h > y1)) && y1=$((y + h))
        done
    fi
    geometry="$((x1 - x0))x$((y1 - y0))+${x0}+${y0}"
    import -window root -crop "$geometry" +repage "$output"
    kill "$pid"
    wait "$pid" || true
    kill "$wm"
    echo "Wrote $output ($geometry)"
}

if [[ ${ACPOWER_IN_XVFB:-} == 1 ]]; then
    shoot "$2"
    exit 0
fi

acpower_install_missing "${ACPOWER_RUN_PACKAGES[@]}" xvfb xauth imagemagick xdotool x11-utils openbox
build_dir=$ACPOWER_ROOT/build/run
cmake --preset run >/dev/null
cmake --build --preset run
mkdir -p "$(dirname "$output")"
args=()
if [[ $typing == no ]]; then
    args+=(--empty)
elif [[ $hover == yes ]]; then
    args+=(--tooltip)
fi
ACPOWER_IN_XVFB=1 xvfb-run --auto-servernum --server-args="-screen 0 800x600x24 -dpi 96" \
    "$ACPOWER_ROOT/scripts/screenshot.sh" "${args[@]}" "$output" "$build_dir/qt/acpower"
