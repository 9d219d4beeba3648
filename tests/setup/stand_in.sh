#!/usr/bin/env bash
# Stands in for sudo, apt-get, dpkg, dpkg-query, id and npm, as the set-up
# calls them, on a pretend machine kept in $STAND_IN_STATE: installed (one
# package a line), foreign (architectures), uid, update_failures (a count, or
# "always"), refused ("package|what apt prints about it" a line) and
# npm_failures with npm_error (what npm prints when it fails).
#   stand_in.sh NAME [ARGS...]
set -euo pipefail
name=$1
shift
state=$STAND_IN_STATE
echo "${STAND_IN_SUDO:+sudo }$name $*" >>"$state/calls"

root() { [[ -n ${STAND_IN_SUDO:-} || $(cat "$state/uid") == 0 ]]; }

# Counts one failure down; true while any are left.
fails_once_more() {
    local file=$state/$1 left
    left=$(cat "$file" 2>/dev/null || echo 0)
    [[ $left == always ]] && return 0
    ((left > 0)) || return 1
    echo $((left - 1)) >"$file"
}

refusal_of() { awk -F'|' -v want="$1" '$1 == want { print $2; found = 1 } END { exit !found }' "$state/refused" 2>/dev/null; }

apt_install() {
    local package line status=0
    for package in "$@"; do
        [[ $package == -* ]] && continue
        if line=$(refusal_of "$package"); then
            echo "The following packages have unmet dependencies:"
            echo "$line"
            status=100
        fi
    done
    if ((status)); then
        echo "E: Unable to correct problems, you have held broken packages."
        return "$status"
    fi
    [[ $simulate == 1 ]] && return 0
    printf '%s\n' "$@" | grep -v '^-' >>"$state/installed"
}

case $name in
    sudo)
        STAND_IN_SUDO=1 exec "$@"
        ;;
    id)
        cat "$state/uid"
        ;;
    dpkg)
        case $1 in
            --print-architecture) echo amd64 ;;
            --print-foreign-architectures) cat "$state/foreign" 2>/dev/null || true ;;
            --add-architecture)
                root || { echo "dpkg: error: requested operation requires superuser privilege" >&2; exit 2; }
                echo "$2" >>"$state/foreign"
                ;;
        esac
        ;;
    dpkg-query)
        package=${*: -1}
        if [[ $package == -f* ]]; then
            sed 's/$/|/; s/^/ii /' "$state/installed"
        elif grep -qx -- "$package" "$state/installed"; then
            echo "install ok installed"
        else
            echo "dpkg-query: no packages found matching $package" >&2
            exit 1
        fi
        ;;
    apt-get)
        simulate=0
        [[ " $* " == *" -s "* ]] && simulate=1
        [[ $simulate == 1 ]] || root || { echo "E: Could not open lock file /var/lib/dpkg/lock-frontend - open (13: Permission denied)"; exit 100; }
        if [[ " $* " == *" update "* ]]; then
            if fails_once_more update_failures; then
                echo "E: Failed to fetch http://mirror.invalid/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"
                echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
                exit 100
            fi
        else
            shift
            apt_install "$@"
        fi
        ;;
    npm)
        if fails_once_more npm_failures; then
            cat "$state/npm_error"
            exit 1
        fi
        echo "added 2 packages in 1s"
        ;;
esac
