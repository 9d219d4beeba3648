#!/usr/bin/env bash
# Runs one Windows program under Wine on a private virtual display and ends
# with its exit status. The Wine prefix lives in the build tree, so tests
# never touch the user's own ~/.wine, and is made on first use.
#
#   wine_session.sh PREFIX BITS PROGRAM.exe [ARGS...]
#   wine_session.sh PREFIX BITS --script SCRIPT.sh [ARGS...]
#
# The second form runs a shell script in the session instead, with the Wine
# loader in $ACPOWER_WINE and wineserver in $ACPOWER_WINESERVER.
#
# BITS is 32 or 64. Exit 77 (ctest's skip) where Wine cannot run programs of
# that width, e.g. a 32-bit program on a kernel without 32-bit support.
set -euo pipefail
prefix=$(realpath -m "$1")  # Wine takes absolute prefixes only
bits=$2
shift 2

export WINEPREFIX=$prefix
export WINEDEBUG=-all
# No Mono or Gecko download prompts; the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes its locale from the Unix one; a fixed one keeps runs alike.
export LANG=${ACPOWER_WINE_LANG:-C.UTF-8}
unset LC_ALL LANGUAGE

if [[ $bits == 32 ]]; then
    loader=/usr/lib/wine/wine
else
    loader=/usr/lib/wine/wine64
fi
if ! "$loader" --version >/dev/null 2>&1; then
    echo "SKIP: $loader cannot run here (no ${bits}-bit support in this kernel or Wine install)"
    exit 77
fi
wineserver=/usr/lib/wine/wineserver

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# One session at a time per prefix: wineserver and the registry are shared.
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9

# A display of our own. -displayfd picks a free number and reports it once
# the server is ready to take clients.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
cleanup()
{
    "$wineserver" -k >/dev/null 2>&1 || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    rm -f "$display_file"
}
trap cleanup EXIT
for _ in $(seq 100); do
    [[ -s $display_file ]] && break
    sleep 0.05
done
export DISPLAY=":$(head -n1 "$display_file")"

if [[ ! -f $prefix/system.reg ]]; then
    started=$(date +%s)
    "$loader" wineboot -i >/dev/null 2>&1 || true
    "$wineserver" -w
    # Addresses handed to winebrowser go to the stand-in browser, which logs
    # them where the tests read them.
    "$loader" reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$here/stand_in_browser.sh" /f >/dev/null
    # The user's regional settings, as Russian users have them: the program
    # must take its decimal separator from here, whatever the Unix locale.
    international='HKCU\Control Panel\International'
    "$loader" reg add "$international" /v sDecimal /d "," /f >/dev/null
    "$loader" reg add "$international" /v sThousand /d " " /f >/dev/null
    "$loader" reg add "$international" /v sNegativeSign /d "-" /f >/dev/null
    "$wineserver" -w
    echo "Made the Wine prefix $prefix in $(( $(date +%s) - started )) s"
fi

export ACPOWER_BROWSER_LOG="$prefix/browser.log"
export ACPOWER_WINE=$loader ACPOWER_WINESERVER=$wineserver
status=0
if [[ $1 == --script ]]; then
    shift
    bash "$@" || status=$?
else
    "$loader" "$@" || status=$?
fi
"$wineserver" -w
exit "$status"
