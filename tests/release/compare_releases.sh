#!/usr/bin/env bash
# ReleaseCompare.cmake ($2, run by cmake $1) must fail and name the file when releases differ.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# case | files in one | files in two | status | text the output must hold
for row in "same|a:1|a:1|0|same 1 files" "bytes|a:1|a:2|1|a differs" "files|a:1 b:1|a:1|1|hold different files"; do
    IFS='|' read -r name one two expected text <<<"$row"
    for side in one two; do
        mkdir -p "$work/$name/$side"
        for file in ${!side}; do
            printf '%s' "${file#*:}" >"$work/$name/$side/${file%%:*}"
        done
    done
    status=0
    output=$("$1" -DONE="$work/$name/one" -DTWO="$work/$name/two" -P "$2" 2>&1) || status=1
    if [[ $status != "$expected" || $output != *"$text"* ]]; then
        printf 'case %s: status %s, expected %s and "%s" in:\n%s\n' "$name" "$status" "$expected" "$text" "$output"
        exit 1
    fi
done
