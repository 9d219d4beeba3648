#!/usr/bin/env bash
# Builds the installable package for this machine with CPack: a .deb on
# Debian and Ubuntu. Install it with  sudo apt-get install ./acpower_*.deb
#
#   ./package.sh [build-dir]     (default: build/package; the package lands there)
set -euo pipefail
ACPOWER_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$ACPOWER_ROOT/scripts/setup.sh"

build_dir=${1:-$ACPOWER_ROOT/build/package}
acpower_install_missing "${ACPOWER_RUN_PACKAGES[@]}" "${ACPOWER_PACKAGE_PACKAGES[@]}"
# A tree of its own: a package is built optimised, without the tests, for /usr.
acpower_build "$build_dir" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr
(cd "$build_dir" && cpack)
ls -l "$build_dir"/*.deb
