# Sourced by setup.sh: installs the Debian packages that are missing, and only
# those. A machine that has everything is not touched, and the package lists
# are refreshed only when something must be installed. apt's own output goes
# to a log; the run shows one line for what is installed and at most one for
# what went wrong, with apt's reason.

# The one package a machine may lack and still test everything else: the
# 32-bit half of Wine. Its architecture's lists can lag behind the machine's
# own for hours while a mirror syncs, and some kernels cannot run it at all;
# its tests then skip with the reason. ACPOWER_STRICT=1 makes it required.
ACPOWER_OPTIONAL_PACKAGES=(wine32:i386)

# "package: reason" a line, for what was not installed: the tests that need
# it read it for their skip line, and test.sh lists it at its end.
export ACPOWER_NOT_INSTALLED=${ACPOWER_NOT_INSTALLED:-}

# How long to wait before the second try at the package lists, after apt's
# own retries (each waits at most 10 s): about two minutes in all.
ACPOWER_APT_RETRY_SECONDS=${ACPOWER_APT_RETRY_SECONDS:-60}

# A package that an installed one provides counts as installed: a Node built
# elsewhere provides npm itself, and asking apt for Debian's npm would remove it.
acpower_has_package() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed" && return 0
    dpkg-query -W -f='${db:Status-Abbrev}|${Provides}\n' 2>/dev/null | awk -F'|' -v want="$1" '
        $1 ~ /^ii/ { n = split($2, names, ", "); for (i = 1; i <= n; i++) { sub(/ .*/, "", names[i]); found = found || names[i] == want } }
        END { exit !found }'
}

acpower_is_optional() {
    [[ ${ACPOWER_STRICT:-0} != 1 ]] || return 1
    local package
    for package in "${ACPOWER_OPTIONAL_PACKAGES[@]}"; do
        [[ $1 == "$package" ]] && return 0
    done
    return 1
}

# apt's reason in one line, from its output on stdin: the unmet dependency
# when it names one, else its first error, else its first warning.
acpower_apt_reason() {
    awk '/ : (Pre-)?Depends: |: Conflicts: |: Breaks: / && !dep { dep = $0 }
         /^E: / && !err { err = substr($0, 4) }
         /^W: / && !warn { warn = substr($0, 4) }
         END { reason = dep ? dep : err ? err : warn ? warn : "apt gave no reason"
               gsub(/^[ \t]+|[ \t]+$/, "", reason); gsub(/[ \t]+/, " ", reason); print reason }'
}

# A package of another architecture (wine32:i386) needs that architecture
# known to dpkg before the package lists are fetched.
acpower_add_architectures() {
    local package arch
    for package in "$@"; do
        [[ $package == *:* ]] || continue
        arch=${package##*:}
        if [[ $arch != "$(dpkg --print-architecture)" ]] && ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
            "${acpower_sudo[@]}" dpkg --add-architecture "$arch"
        fi
    done
}

# A list that fails to come down twice is a warning, not the end: the lists
# that did arrive (and older ones) may well hold every package needed, and the
# install itself says when one cannot be had.
acpower_refresh_lists() {
    local update=("${acpower_sudo[@]}" apt-get -o Acquire::Retries=3 -o Acquire::Retries::Delay::Maximum=10 update)
    acpower_logged "${update[@]}" && return 0
    sleep "$ACPOWER_APT_RETRY_SECONDS"
    acpower_logged "${update[@]}" && return 0
    echo "setup: warning: the package lists did not all refresh ($(acpower_apt_reason <<<"$acpower_output")); going on with those there are"
}

# Runs a command with its output appended to the log and kept in
# $acpower_output, for the reason when it fails.
acpower_logged() {
    local status=0
    acpower_output=$("$@" 2>&1) || status=$?
    printf '%s\n' "$acpower_output" >>"$acpower_apt_log"
    return "$status"
}

acpower_apt_install() {
    acpower_logged "${acpower_sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$@"
}

# Names the first package apt refuses on its own, with apt's reason; when each
# would install alone, the reason comes from the install that failed.
acpower_report_refusal() {
    local failed_output=$1 package output
    shift
    for package in "$@"; do
        if ! output=$(apt-get install -s --no-install-recommends "$package" 2>&1); then
            echo "setup: cannot install $package: $(acpower_apt_reason <<<"$output")"
            return
        fi
    done
    echo "setup: cannot install $*: $(acpower_apt_reason <<<"$failed_output")"
}

acpower_install_missing() {
    local required=() optional=() package reason
    for package in "$@"; do
        if [[ " ${required[*]} ${optional[*]} " == *" $package "* ]] || acpower_has_package "$package"; then
            continue
        elif acpower_is_optional "$package"; then
            optional+=("$package")
        else
            required+=("$package")
        fi
    done
    ((${#required[@]} + ${#optional[@]} > 0)) || return 0
    acpower_sudo=()
    [[ $(id -u) -eq 0 ]] || acpower_sudo=(sudo)
    acpower_apt_log=${ACPOWER_APT_LOG:-${TMPDIR:-/tmp}/acpower-apt.log}
    local all=("${required[@]}" "${optional[@]}")
    echo "Installing: ${all[*]} (apt's output in $acpower_apt_log)"
    # Once a run, unless an architecture was added since.
    acpower_add_architectures "${all[@]}"
    if [[ ${acpower_lists_of:-none} != "$(dpkg --print-foreign-architectures)" ]]; then
        acpower_refresh_lists
        acpower_lists_of=$(dpkg --print-foreign-architectures)
    fi
    if ((${#required[@]} > 0)) && ! acpower_apt_install "${required[@]}"; then
        acpower_report_refusal "$acpower_output" "${required[@]}"
        return 1
    fi
    for package in "${optional[@]}"; do
        if ! acpower_apt_install "$package"; then
            reason=$(acpower_apt_reason <<<"$acpower_output")
            echo "setup: $package is not installed, so the tests that need it skip: $reason"
            ACPOWER_NOT_INSTALLED+="$package: $reason"$'\n'
        fi
    done
}
