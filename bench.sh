#!/usr/bin/env bash
# Builds an optimised tree and measures: the engine's keystroke path (Google
# Benchmark), then the calculator's start-up to the window shown and its peak
# memory against a bare Qt window, both offscreen, as medians and ratios.
#   ./bench.sh [start-up runs]        (41 unless told otherwise)
set -euo pipefail
ACPOWER_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$ACPOWER_ROOT/scripts/setup.sh"

runs=${1:-41}

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
