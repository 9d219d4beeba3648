#!/usr/bin/env bash
# Installs what is missing, builds the calculator and starts it.
set -euo pipefail
ACPOWER_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$ACPOWER_ROOT/scripts/setup.sh"

acpower_install_missing "${ACPOWER_RUN_PACKAGES[@]}"
cmake --preset run >/dev/null
cmake --build --preset run
exec "$ACPOWER_ROOT/build/run/qt/acpower" "$@"
