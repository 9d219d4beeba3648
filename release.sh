#!/usr/bin/env bash
# Builds every package of a release into dist/, with SHA256SUMS, after
# installing what is missing; `./release.sh --check` builds the release twice
# in two folders and compares the two, as is done before publishing.
set -euo pipefail
ACPOWER_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$ACPOWER_ROOT/scripts/setup.sh"

case "${1:-}" in
    "")
        acpower_install_missing "${ACPOWER_RELEASE_PACKAGES[@]}"
        cmake --workflow --preset release
        ;;
    --check)
        acpower_install_missing "${ACPOWER_RELEASE_CHECK_PACKAGES[@]}"
        cmake --workflow --preset release-check
        ;;
    *)
        echo "usage: ./release.sh [--check]" >&2
        exit 2
        ;;
esac
