#!/usr/bin/env bash
# Fuzzes the calculator engine with libFuzzer for a while (60 seconds unless
# told otherwise); any further arguments go to libFuzzer, e.g. -jobs=2.
#   ./fuzz.sh [seconds] [libFuzzer options...]
# It shares build/sanitize with ./test.sh: the same clang build with
# AddressSanitizer and UndefinedBehaviorSanitizer. What the search learns is
# kept in build/sanitize/tests/fuzz/fuzz_entry_work/corpus for the next run; an
# input that breaks an invariant is written next to it as crash-<hash>, and
# running the fuzz_entry program on that file alone replays it.
set -euo pipefail
ACPOWER_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$ACPOWER_ROOT/scripts/setup.sh"

seconds=${1:-60}
shift || true

acpower_install_missing "${ACPOWER_RUN_PACKAGES[@]}" "${ACPOWER_TEST_PACKAGES[@]}"
acpower_build_sanitized
build=$ACPOWER_SANITIZE_DIR
work="$build/tests/fuzz/fuzz_entry_work"
mkdir -p "$work/corpus"
exec "$build/tests/fuzz/fuzz_entry" \
    -max_total_time="$seconds" \
    -timeout=10 \
    -rss_limit_mb=2048 \
    -print_final_stats=1 \
    -dict="$ACPOWER_ROOT/tests/fuzz/entry.dict" \
    -artifact_prefix="$work/" \
    "$@" \
    "$work/corpus" "$ACPOWER_ROOT/tests/fuzz/corpus"
