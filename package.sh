#!/usr/bin/env bash
# Builds the installable package for this machine with CPack: a .deb on
# Debian and Ubuntu, in build/package. Install it with
#   sudo apt-get install ./build/package/acpower_*.deb
set -euo pipefail
ACPOWER_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$ACPOWER_ROOT/scripts/setup.sh"

acpower_install_missing "${ACPOWER_RUN_PACKAGES[@]}" "${ACPOWER_PACKAGE_PACKAGES[@]}"
# A tree of its own: a package is built optimised, without the tests, for /usr.
cmake --workflow --preset package
ls -l "$ACPOWER_ROOT"/build/package/*.deb
