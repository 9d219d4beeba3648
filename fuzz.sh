#!/usr/bin/env bash
# Fuzzes the calculator engine with libFuzzer for a while (60 seconds unless
# told otherwise).
#   ./fuzz.sh [seconds]
# It shares build/sanitize with ./test.sh: the same clang build with
# AddressSanitizer and UndefinedBehaviorSanitizer, and the same ctest entry
# with a longer time. What the search learns is kept in
# build/sanitize/tests/fuzz/fuzz_entry_work/corpus for the next run; an input
# that breaks an invariant is written next to it as crash-<hash>, and running
# the fuzz_entry program on that file alone replays it.
set -euo pipefail
ACPOWER_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$ACPOWER_ROOT/scripts/setup.sh"

seconds=${1:-60}

acpower_install_missing "${ACPOWER_RUN_PACKAGES[@]}" "${ACPOWER_TEST_PACKAGES[@]}"
cmake --preset sanitize -DACPOWER_FUZZ_SECONDS="$seconds" >/dev/null
cmake --build --preset sanitize --target fuzz_entry
ctest --preset sanitize --tests-regex '^fuzz_entry$' --verbose
