#!/usr/bin/env bash
# Builds an optimised tree and measures: the engine's keystroke path (Google
# Benchmark), then the calculator's start-up to the window shown and its peak
# memory against a bare Qt window, both offscreen, as medians and ratios; then
# the Windows program's size and its start-up under Wine against a bare Win32
# window with the same controls; last the web edition's sizes, first result
# and keystroke in headless Chromium against a bare page with the same controls.
#   ./bench.sh [start-up runs]        (41 unless told otherwise)
set -euo pipefail
ACPOWER_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$ACPOWER_ROOT/scripts/setup.sh"

runs=${1:-41}

# Each built file's size beside its budget (cmake/SizeBudgets.cmake), which
# the trees' tests hold it to.
sizes() {
    local files
    files=$(IFS=,; echo "$*")
    cmake "-DFILES=$files" -DREPORT_ONLY=ON -P "$ACPOWER_ROOT/cmake/check_sizes.cmake"
}

acpower_install_missing "${ACPOWER_RUN_PACKAGES[@]}" "${ACPOWER_BENCH_PACKAGES[@]}"
build="$ACPOWER_ROOT/build/bench"
cmake --preset bench >/dev/null
cmake --build --preset bench

echo "== Machine =="
lscpu | grep -E '^(Model name|CPU\(s\)|Thread\(s\) per core|CPU max MHz):' || true
echo

echo "== Keystroke path in the engine =="
"$build/bench/bench_core"
echo

echo "== Start-up and peak memory =="
export QT_QPA_PLATFORM=offscreen
"$build/bench/startup_driver" --runs "$runs" \
    "$build/bench/acpower_startup_probe" "$build/bench/bare_window_probe"
echo
echo "== The same against a window with one caption and one entry box =="
"$build/bench/startup_driver" --runs "$runs" \
    "$build/bench/acpower_startup_probe" "$build/bench/text_window_probe"

echo
echo "== Windows program: size, and start-up under Wine =="
acpower_install_missing "${ACPOWER_WINDOWS_PACKAGES[@]}"
cmake --preset windows >/dev/null
cmake --build --preset windows --target acpower
sizes "win32-program=$ACPOWER_ROOT/build/windows/win32/acpower.exe"
# Measured with the 32-bit programs where this machine runs them, else with
# the 64-bit build of the same sources.
preset=windows
bits=32
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo "This machine runs no 32-bit Windows programs (a kernel without 32-bit support, or no 32-bit Wine installed); start-up is measured with the 64-bit build."
    preset=windows64
    bits=64
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target acpower acpower_win32_bare_window acpower_win32_bare_window_comctl32 \
    acpower_win32_startup
tree="$ACPOWER_ROOT/build/$preset"
"$ACPOWER_ROOT/tests/win32/wine_session.sh" "$tree/tests/win32/wine-prefix-win32_window" "$bits" "$bits" \
    "$tree/bench/win32/acpower_win32_startup.exe" "$runs" \
    "$tree/win32/acpower.exe" "$tree/bench/win32/acpower_win32_bare_window.exe"
echo "For information: against the bare window that also loads comctl32.dll as the program does"
"$ACPOWER_ROOT/tests/win32/wine_session.sh" "$tree/tests/win32/wine-prefix-win32_window" "$bits" "$bits" \
    "$tree/bench/win32/acpower_win32_startup.exe" "$runs" \
    "$tree/win32/acpower.exe" "$tree/bench/win32/acpower_win32_bare_window_comctl32.exe"

echo
echo "== Web edition: sizes, first result and keystroke in headless Chromium =="
acpower_install_missing "${ACPOWER_WEB_ENGINE_PACKAGES[@]}" "${ACPOWER_WEB_TEST_PACKAGES[@]}"
cmake --preset web >/dev/null
cmake --build --preset web
web="$ACPOWER_ROOT/build/web"
sizes "wasm=$web/web/engine/acpower.wasm" "page=$web/web/page/acpower.html" "element=$web/web/page/acpower-calculator.js"
# The tests' own fixture installs playwright-core as package-lock.json pins it.
ctest --test-dir "$web" -R '^web_npm_ci$' --output-on-failure | tail -n 3
ACPOWER_WEB_PAGE_DIR="$web/web/page" ACPOWER_WEB_MODULES="$web/tests/web" ACPOWER_FACTS="$web/tests/facts.json" \
    node "$ACPOWER_ROOT/bench/web/bench_web.mjs" "$runs"
