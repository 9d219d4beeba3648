#!/usr/bin/env bash
# Retakes docs/screenshot-web.png: the single page of the web tree in Debian's
# headless Chromium under Russian settings, the example room given in its
# address. Build the page first: cmake --workflow --preset web.
set -euo pipefail
ACPOWER_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ACPOWER_ROOT/scripts/setup.sh"
acpower_install_missing chromium fonts-liberation
page=${1:-$ACPOWER_ROOT/build/web/web/page/acpower.html}
[[ -f $page ]] || { echo "no $page: build the web tree first" >&2; exit 1; }
# Chromium will not start as root inside its sandbox. The page takes its
# decimal separator from the browser's language, which --accept-lang sets.
sandbox=()
[[ $(id -u) -ne 0 ]] || sandbox=(--no-sandbox)
# The virtual time lets the engine load and the results show before the
# shot. Headless Chromium complains of the missing desktop bus on every run;
# its messages are shown only when the shot fails.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! chromium --headless "${sandbox[@]}" --accept-lang=ru-RU --hide-scrollbars --force-device-scale-factor=1 \
    --window-size=640,480 --virtual-time-budget=3000 --screenshot="$ACPOWER_ROOT/docs/screenshot-web.png" \
    "file://$page#25;2,8;3;2;1000;теневую" 2>"$log"; then
    cat "$log" >&2
    exit 1
fi
echo "docs/screenshot-web.png"
