#!/usr/bin/env bash
# ReleaseCompare.cmake must fail, naming the file, whenever two releases
# differ; a comparison that passes them would hide every other fault.
#   compare_releases.sh <cmake> <ReleaseCompare.cmake>
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# case | file in one | file in two | expected status | text the output must hold
rows=(
    "same|a.zip:1|a.zip:1|0|same 1 files"
    "bytes|a.zip:1|a.zip:2|1|a.zip differs"
    "missing|a.zip:1 b.exe:1|a.zip:1|1|hold different files"
)
for row in "${rows[@]}"; do
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
        echo "case $name: status $status, expected $expected with \"$text\"; output:"
        echo "$output"
        exit 1
    fi
done
echo "compare_releases: ${#rows[@]} cases"
