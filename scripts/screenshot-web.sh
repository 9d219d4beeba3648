#!/usr/bin/env bash
# Retakes the web pictures: the single page of the web tree in Debian's
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
host=$(mktemp -d)
trap 'rm -rf "$log" "$host"' EXIT
shot() {  # picture, window size, address
    if ! chromium --headless "${sandbox[@]}" --accept-lang=ru-RU --hide-scrollbars --force-device-scale-factor=1 \
        --window-size="$2" --virtual-time-budget=3000 --screenshot="$ACPOWER_ROOT/docs/$1" "$3" 2>"$log"; then
        cat "$log" >&2
        exit 1
    fi
    echo "docs/$1"
}
room='#25;2,8;3;2;1000;теневую'
shot screenshot-web.png 1280,800 "file://$page$room"
shot screenshot-web-phone.png 360,640 "file://$page$room"
# The element in a shop's 320 px sidebar, the example room typed in by the
# host page, as a user would.
cp "$(dirname "$page")/acpower-calculator.js" "$(dirname "$page")/acpower-link.cur" "$host/"
cat >"$host/shop.html" <<'HTML'
<!doctype html><html lang="ru"><head><meta charset="utf-8"><title>Магазин</title>
<style>body{margin:0;display:flex;font:16px serif}aside{flex:0 0 320px}article{padding:0 24px}</style></head>
<body><aside><acpower-calculator></acpower-calculator></aside>
<article><h1>Кондиционеры</h1><p>Подберите мощность по своей комнате.</p></article>
<script src="acpower-calculator.js"></script>
<script>
customElements.whenDefined("acpower-calculator").then(function fill() {
  const root = document.querySelector("acpower-calculator").shadowRoot.querySelector(".acpower");
  if (!root.hasAttribute("data-ready")) return setTimeout(fill, 50);
  ["25", "2,8", "3", "2", "1000"].forEach((text, i) => {
    const box = root.querySelector("#Text" + (i + 1));
    box.value = text;
    box.dispatchEvent(new Event("input"));
  });
});
</script></body></html>
HTML
shot screenshot-web-sidebar.png 800,720 "file://$host/shop.html"
