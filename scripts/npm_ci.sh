#!/usr/bin/env bash
# npm ci as the browser tests' first step, tried twice, each time with npm's
# own retries: a registry that stumbles for a minute costs a minute, not the
# web stage. When it still fails, one line names the package and npm's reason.
#   npm_ci.sh NPM [NPM CI OPTIONS...]
set -uo pipefail
npm=$1
shift
retry_seconds=${ACPOWER_NPM_RETRY_SECONDS:-30}
for attempt in 1 2; do
    if output=$("$npm" ci --fetch-retries=3 --fetch-retry-maxtimeout=20000 "$@" 2>&1); then
        printf '%s\n' "$output"
        exit 0
    fi
    ((attempt == 2)) || sleep "$retry_seconds"
done
printf '%s\n' "$output" >&2
# npm 9 writes "npm ERR!", later ones "npm error"; a failed fetch names the
# tarball's address, whose path starts with the package's name.
printf '%s\n' "$output" | awk '
    { sub(/^npm (ERR!|error) */, "") }
    !package && match($0, /\/(@[^\/ ]+\/)?[^\/ ]+\/-\//) { package = substr($0, RSTART + 1, RLENGTH - 4) }
    !reason && /reason: / { reason = substr($0, index($0, "reason: ") + 8) }
    !first && $0 != "" && $0 !~ /^code / { first = $0 }
    END { printf "npm ci: cannot install %s: %s\n", package ? package : "the locked packages", reason ? reason : first }'
exit 1
