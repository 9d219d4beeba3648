#!/usr/bin/env bash
# Installs what is missing, builds and runs every test, headless.
set -euo pipefail
ACPOWER_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$ACPOWER_ROOT/scripts/setup.sh"

acpower_install_missing "${ACPOWER_RUN_PACKAGES[@]}" "${ACPOWER_TEST_PACKAGES[@]}"
export QT_QPA_PLATFORM=offscreen

echo "== Qt 6 build =="
acpower_build "$ACPOWER_ROOT/build/qt6"
ctest --test-dir "$ACPOWER_ROOT/build/qt6" --output-on-failure

# (Qt 5.15 stage goes here)

# (sanitizer and fuzz stage goes here; it stays last so the run ends with ctest's summary)
