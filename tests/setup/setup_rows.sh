#!/usr/bin/env bash
# The set-up's install step and the browser tests' npm ci, run against
# stand-ins (stand_in.sh) for everything they call, so that a mirror that
# fails or a package that cannot be had is tried without touching the machine.
# Each row states the exit status and the line the step ends with.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
for tool in sudo apt-get dpkg dpkg-query id npm; do
    printf '#!/bin/sh\nexec bash "%s" %s "$@"\n' "$here/stand_in.sh" "$tool" >"$work/bin/$tool"
    chmod +x "$work/bin/$tool"
done
export PATH="$work/bin:$PATH" ACPOWER_APT_RETRY_SECONDS=0 ACPOWER_NPM_RETRY_SECONDS=0
passed=0
failed=0

check() {
    local row=$1 what=$2 want=$3 got=$4
    [[ $want == "$got" ]] && return 0
    printf 'FAIL %s: %s\n  want: %s\n  got:  %s\n' "$row" "$what" "$want" "$got"
    return 1
}

# A fresh pretend machine: uid, installed packages, update failures, refusals.
new_machine() {
    export STAND_IN_STATE=$work/state
    rm -rf "$STAND_IN_STATE"
    mkdir "$STAND_IN_STATE"
    echo "$1" >"$STAND_IN_STATE/uid"
    tr ' ' '\n' <<<"$2" | sed '/^$/d' >"$STAND_IN_STATE/installed"
    echo "$3" >"$STAND_IN_STATE/update_failures"
    tr ';' '\n' <<<"$4" | sed '/^$/d' >"$STAND_IN_STATE/refused"
}

lib_depends=' wine32:i386 : Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed'
failed_fetch='Failed to fetch http://mirror.invalid/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz File has unexpected size (374820 != 376004). Mirror sync in progress?'
log=$work/apt.log
export ACPOWER_APT_LOG=$log

# row | uid | installed | update failures | refused | strict | asked | status | installing | last line | not installed
install_rows="\
nothing missing, no apt at all|0|cmake g++|always|||0|cmake g++|0|||
update fails once, then works|0||1|||0|cmake g++|0|cmake g++|Installing: cmake g++ (apt's output in $log)|
update keeps failing: one warning, the install goes on|0||always|||0|cmake|0|cmake|setup: warning: the package lists did not all refresh ($failed_fetch); going on with those there are|
the 32-bit Wine refused: a skip with apt's reason|0||0|wine32:i386|$lib_depends|0|cmake wine32:i386|0|cmake wine32:i386|setup: wine32:i386 is not installed, so the tests that need it skip: ${lib_depends# }|wine32:i386: ${lib_depends# }
a required package refused ends the run|0||0|qt6-base-dev|E: Unable to locate package qt6-base-dev|0|cmake qt6-base-dev|1|cmake qt6-base-dev|setup: cannot install qt6-base-dev: Unable to locate package qt6-base-dev|
strict: the 32-bit Wine is required too|0||0|wine32:i386|$lib_depends|1|cmake wine32:i386|1|cmake wine32:i386|setup: cannot install wine32:i386: ${lib_depends# }|
as a user, every change through sudo|1000||0|||0|cmake wine32:i386|0|cmake wine32:i386|Installing: cmake wine32:i386 (apt's output in $log)|"

while IFS='|' read -r row uid installed update_failures refused_package refusal strict asked status installing last not_installed; do
    refused=${refused_package:+$refused_package|$refusal}
    new_machine "$uid" "$installed" "$update_failures" "$refused"
    output=$(ACPOWER_STRICT=$strict ACPOWER_NOT_INSTALLED= bash -c '
        set -euo pipefail
        source "$1/scripts/install.sh"
        shift
        acpower_install_missing "$@"
        status=$?
        printf "%s" "$ACPOWER_NOT_INSTALLED" >"$STAND_IN_STATE/not_installed"
        exit $status' bash "$root" $asked)
    got_status=$?
    ok=1
    check "$row" "exit status" "$status" "$got_status" || ok=0
    first=""
    [[ -n $installing ]] && first="Installing: $installing (apt's output in $log)"
    check "$row" "first line" "$first" "$(head -n 1 <<<"$output")" || ok=0
    check "$row" "last line" "$last" "$(tail -n 1 <<<"$output" | sed '1{/^$/d}')" || ok=0
    check "$row" "not installed" "$not_installed" "$(head -n 1 "$STAND_IN_STATE/not_installed" 2>/dev/null)" || ok=0
    if [[ -z $installing ]]; then
        check "$row" "calls to apt" "" "$(grep apt-get "$STAND_IN_STATE/calls")" || ok=0
    fi
    if [[ $uid != 0 ]]; then
        check "$row" "changes made as root" "" "$(grep -E '^(apt-get (update|install -y)|dpkg --add)' "$STAND_IN_STATE/calls")" || ok=0
    fi
    if ((ok)); then passed=$((passed + 1)); else failed=$((failed + 1)); fi
done <<<"$install_rows"

# row | failures before npm ci works | what npm prints | status | last line
npm_offline='npm error code EAI_AGAIN
npm error syscall getaddrinfo
npm error errno EAI_AGAIN
npm error request to http://registry.invalid/axe-core/-/axe-core-4.10.2.tgz failed, reason: getaddrinfo EAI_AGAIN registry.invalid'
npm_gone='npm ERR! code E404
npm ERR! 404 Not Found - GET http://registry.invalid/@scope%2fgone/-/gone-1.0.0.tgz - Not found'
while IFS='|' read -r row failures npm_error status last; do
    new_machine 0 "" 0 ""
    echo "$failures" >"$STAND_IN_STATE/npm_failures"
    printf '%b\n' "$npm_error" >"$STAND_IN_STATE/npm_error"
    output=$(bash "$root/scripts/npm_ci.sh" npm --prefer-offline 2>/dev/null)
    got_status=$?
    ok=1
    check "$row" "exit status" "$status" "$got_status" || ok=0
    check "$row" "last line" "$last" "$(tail -n 1 <<<"$output")" || ok=0
    if ((ok)); then passed=$((passed + 1)); else failed=$((failed + 1)); fi
done <<EOF2
npm fails once, then works|1|$(sed 's/$/\\n/' <<<"$npm_offline" | tr -d '\n')|0|added 2 packages in 1s
npm keeps failing: the package and its reason|always|$(sed 's/$/\\n/' <<<"$npm_offline" | tr -d '\n')|1|npm ci: cannot install axe-core: getaddrinfo EAI_AGAIN registry.invalid
npm 9's wording, a scoped package|always|$(sed 's/$/\\n/' <<<"$npm_gone" | tr -d '\n')|1|npm ci: cannot install @scope%2fgone: 404 Not Found - GET http://registry.invalid/@scope%2fgone/-/gone-1.0.0.tgz - Not found
EOF2

echo "$passed passed, $failed failed"
((failed == 0))
