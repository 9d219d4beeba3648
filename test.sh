#!/usr/bin/env bash
# Installs what is missing, builds and runs every test, headless. Each stage
# is a workflow preset of CMakePresets.json: configure, build, then ctest.
set -euo pipefail
ACPOWER_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$ACPOWER_ROOT/scripts/setup.sh"

acpower_install_missing "${ACPOWER_RUN_PACKAGES[@]}" "${ACPOWER_TEST_PACKAGES[@]}"

echo "== Qt 6 build =="
cmake --workflow --preset qt6

# Qt 5.15 keeps older distributions (Debian 11, Ubuntu 22.04) served. This
# tree converts decimals with fast_float, so the road for a standard library
# without float from_chars stays tested too.
echo "== Qt 5.15 build =="
cmake --workflow --preset qt5

# The Windows program, cross-built and run under Wine on a virtual display:
# the 64-bit build, then the 32-bit one that ships, with its installer on a
# 64-bit and a 32-bit Windows. Where the kernel cannot run 32-bit programs,
# or the set-up could not install the 32-bit Wine, the 32-bit tree's Wine
# tests skip, each noting why in wine-skips.txt.
echo "== Windows (mingw-w64, Wine) =="
acpower_install_missing "${ACPOWER_WINDOWS_PACKAGES[@]}"
wine_skips=(build/windows64/wine-skips.txt build/windows/wine-skips.txt)
rm -f "${wine_skips[@]}"
cmake --workflow --preset windows64
cmake --workflow --preset windows

# The web edition's engine: the same sources built as WebAssembly, its rows
# run under Node, and 10,000 generated rooms given to it through the exports
# the page calls, every text compared with the native engine's. Then the
# page and the element in Debian's headless Chromium (npm ci installs the
# locked Node packages as the first of those tests).
echo "== Web edition (WebAssembly, Node) =="
acpower_install_missing "${ACPOWER_WEB_ENGINE_PACKAGES[@]}"
acpower_install_missing "${ACPOWER_WEB_TEST_PACKAGES[@]}"
cmake --workflow --preset web

# The Windows program, its installer and the web page built twice, without
# their tests, from two copies of the sources in folders of different names,
# in another time zone and under another umask the second time; any byte that
# differs fails, with diffoscope's account of it. The whole release, the .deb
# included, is `cmake --workflow --preset release-check`.
echo "== Reproducible builds =="
acpower_install_missing "${ACPOWER_RELEASE_CHECK_PACKAGES[@]}"
cmake --workflow --preset reproducible

# The last stage: every test again, built by clang with AddressSanitizer and
# UndefinedBehaviorSanitizer (float-cast-overflow included): the first report
# ends the test program and fails its test. The same tree holds the fuzzer,
# whose ctest entries replay the seeds and then search for 30 seconds, and
# the benchmarks, run once as checks.
echo "== Sanitizers and fuzzing (clang) =="
cmake --workflow --preset sanitize

# A green run must not hide what it could not try: what the set-up could not
# install and the checks skipped for it, then the sum of every stage's ctest
# report. ACPOWER_STRICT=1, for a machine that must test everything (the one
# a release is made on), fails on any skip.
skipped=$(printf '%s' "$ACPOWER_NOT_INSTALLED" | sed 's/^/not installed: /'; cat "${wine_skips[@]}" 2>/dev/null || true)
if [[ -n $skipped ]]; then
    echo "== Skipped on this machine =="
    echo "$skipped"
fi
junits=(build/{qt6,qt5,windows64,windows,web,reproducible,sanitize}/junit.xml)
awk -F'"' '/^[[:space:]]*tests="/ { t += $2 } /^[[:space:]]*failures="/ { f += $2 } /^[[:space:]]*skipped="/ { s += $2 }
    END { printf "test.sh: %d passed, %d failed, %d skipped\n", t - f - s, f, s }' "${junits[@]}"
if [[ ${ACPOWER_STRICT:-0} == 1 ]] && { [[ -n $skipped ]] || grep -qE '^[[:space:]]*skipped="[1-9]' "${junits[@]}"; }; then
    echo "test.sh: ACPOWER_STRICT=1 and checks were skipped" >&2
    exit 1
fi
