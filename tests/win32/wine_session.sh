#!/usr/bin/env bash
# Runs one Windows program under Wine on a private virtual display and ends
# with its exit status. The Wine prefix lives in the build tree, so tests
# never touch the user's own ~/.wine, and is made on first use.
#
#   wine_session.sh PREFIX PREFIX_BITS PROGRAM_BITS PROGRAM.exe [ARGS...]
#   wine_session.sh PREFIX PREFIX_BITS PROGRAM_BITS --script SCRIPT.sh [ARGS...]
#
# The second form runs a shell script in the session instead, with the Wine
# loader for PROGRAM_BITS in $ACPOWER_WINE, wineserver in $ACPOWER_WINESERVER
# and both widths in $ACPOWER_PREFIX_BITS and $ACPOWER_PROGRAM_BITS.
#
# PREFIX_BITS is the width of the Windows the prefix stands for (32 or 64),
# PROGRAM_BITS that of the program run in it. Exit 77 (ctest's skip) where
# Wine cannot run programs of that width, e.g. a 32-bit program on a kernel
# without 32-bit support; the reason goes to $ACPOWER_SKIP_LOG as well, when
# set, so that a green run can list what it did not run.
set -euo pipefail
# A step that fails says which, rather than leaving ctest an empty log.
trap 'echo "wine_session.sh: \"$BASH_COMMAND\" failed with status $? (line $LINENO)" >&2' ERR
prefix=$(realpath -m "$1")  # Wine takes absolute prefixes only
prefix_bits=$2
program_bits=$3
shift 3

export WINEPREFIX=$prefix
export WINEDEBUG=-all
# No Mono or Gecko download prompts; the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes its locale from the Unix one; a fixed one keeps runs alike.
export LANG=${ACPOWER_WINE_LANG:-C.UTF-8}
unset LC_ALL LANGUAGE

loader_for()
{
    if [[ $1 == 32 ]]; then
        echo /usr/lib/wine/wine
    else
        echo /usr/lib/wine/wine64
    fi
}
if [[ $prefix_bits == 32 && $program_bits == 64 ]]; then
    echo "a 64-bit program cannot run on 32-bit Windows" >&2
    exit 2
fi
loader=$(loader_for "$program_bits")
wineserver=/usr/lib/wine/wineserver
if ! "$loader" --version >/dev/null 2>&1; then
    reason="$loader cannot start: this kernel or Wine install runs no ${program_bits}-bit programs"
    # The set-up's own reason, when it could not install the 32-bit half.
    not_installed=$(grep -m1 '^wine32:i386: ' <<<"${ACPOWER_NOT_INSTALLED:-}" || true)
    if [[ $program_bits == 32 && -n $not_installed ]]; then
        reason="the 32-bit Wine could not be installed (${not_installed#wine32:i386: })"
    fi
    echo "SKIP: $reason"
    if [[ -n ${ACPOWER_SKIP_LOG:-} ]]; then
        echo "${ACPOWER_TEST_NAME:-$(basename "$prefix")}: $reason" >>"$ACPOWER_SKIP_LOG"
    fi
    exit 77
fi
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
# Up to 30 s: a loaded machine can take its time to start a server.
for _ in $(seq 600); do
    [[ -s $display_file ]] && break
    sleep 0.05
done
if [[ ! -s $display_file ]]; then
    echo "wine_session.sh: Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=":$(head -n1 "$display_file")"

if [[ ! -f $prefix/system.reg ]]; then
    started=$(date +%s)
    # A 64-bit Windows is made by the 64-bit loader, which needs no 32-bit
    # support from the kernel; WINEARCH alone decides a new prefix's width.
    prefix_loader=$(loader_for "$prefix_bits")
    WINEARCH=win$prefix_bits "$prefix_loader" wineboot -i >/dev/null 2>&1 || true
    # Only a wait: its status says nothing about the prefix, and the steps
    # below fail loudly if the prefix is not there.
    "$wineserver" -w || true
    # Addresses handed to winebrowser go to the stand-in browser, which logs
    # them where the tests read them.
    "$prefix_loader" reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$here/stand_in_browser.sh" /f >/dev/null
    # The user's regional settings, as Russian users have them: the program
    # must take its decimal separator from here, whatever the Unix locale.
    international='HKCU\Control Panel\International'
    "$prefix_loader" reg add "$international" /v sDecimal /d "," /f >/dev/null
    "$prefix_loader" reg add "$international" /v sThousand /d " " /f >/dev/null
    "$prefix_loader" reg add "$international" /v sNegativeSign /d "-" /f >/dev/null
    "$wineserver" -w || true
    echo "Made the Wine prefix $prefix in $(( $(date +%s) - started )) s"
fi

export ACPOWER_BROWSER_LOG="$prefix/browser.log"
export ACPOWER_WINE=$loader ACPOWER_WINESERVER=$wineserver
export ACPOWER_PREFIX_BITS=$prefix_bits ACPOWER_PROGRAM_BITS=$program_bits
status=0
if [[ $1 == --script ]]; then
    shift
    bash "$@" || status=$?
else
    "$loader" "$@" || status=$?
fi
"$wineserver" -w
exit "$status"
