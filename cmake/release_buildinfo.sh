#!/usr/bin/env bash
# Writes what made a release, for someone who wants to rebuild it bit for bit:
# the source, its time, the build machine's architecture, and the exact
# Debian package and version of every compiler, library, packer and signer
# that went into the files. That is the packages scripts/setup.sh lists for a
# release and all they depend on as installed here (the metapackages name the
# real compilers only through their dependencies), one a line, sorted, with
# no path or host of this machine.
#   release_buildinfo.sh SOURCE VERSION COMMIT PARTS [EXTRA PACKAGE...]
set -euo pipefail
source_dir=$1
version=$2
commit=$3
parts=$4
shift 4
mapfile -t wanted < <(ACPOWER_ROOT=$source_dir bash -c 'source "$ACPOWER_ROOT/scripts/setup.sh" && printf "%s\n" "${ACPOWER_RELEASE_PACKAGES[@]}"')
native=$(dpkg --print-architecture)

echo "Format: acpower-buildinfo 1"
echo "Source: acpower $version"
echo "Commit: $commit"
echo "Source-Date-Epoch: $SOURCE_DATE_EPOCH"
echo "Build-Architecture: $native"
echo "Parts: $parts"
echo "Installed-Build-Depends:"
# Each dependency goes to the one installed package that answers it: of the
# depending package's architecture, else 'all', else this machine's, else a
# package that provides the name; of alternatives, the first installed.
dpkg-query -W -f='${db:Status-Abbrev}\t${Package}\t${Architecture}\t${Version}\t${Provides}\t${Pre-Depends}, ${Depends}\n' |
    awk -F'\t' -v native="$native" -v wanted="$(printf '%s\n' "${wanted[@]}" "$@")" '
    $1 ~ /^ii/ {
        key = $2 ":" $3
        version[key] = $4
        needs[key] = $6
        installed[$2, $3] = 1
        n = split($5, provided, ", ")
        for (i = 1; i <= n; i++) { sub(/ .*/, "", provided[i]); if (!((provided[i]) in provider)) provider[provided[i]] = key }
    }
    function resolve(name, arch,    qualified) {
        if (split(name, qualified, ":") == 2) { name = qualified[1]; arch = qualified[2] == "any" ? arch : qualified[2] }
        if (arch == "all") arch = native
        if ((name, arch) in installed) return name ":" arch
        if ((name, "all") in installed) return name ":all"
        if ((name, native) in installed) return name ":" native
        return (name in provider) ? provider[name] : ""
    }
    function visit(key,    n, i, deps, choices, m, j, found, arch) {
        if (key == "" || key in seen) return
        seen[key] = 1
        arch = substr(key, index(key, ":") + 1)
        n = split(needs[key], deps, /, */)
        for (i = 1; i <= n; i++) {
            m = split(deps[i], choices, / *\| */)
            for (j = 1; j <= m; j++) {
                sub(/^ +/, "", choices[j]); sub(/[ (].*/, "", choices[j])
                if (choices[j] == "") continue
                found = resolve(choices[j], arch)
                if (found != "") { visit(found); break }
            }
        }
    }
    END {
        n = split(wanted, names, "\n")
        for (i = 1; i <= n; i++) {
            if (names[i] == "") continue
            found = resolve(names[i], native)
            if (found == "") { print "release_buildinfo.sh: " names[i] " is not installed" > "/dev/stderr"; failed = 1 }
            visit(found)
        }
        for (key in seen) print " " key " " version[key] | "LC_ALL=C sort"
        close("LC_ALL=C sort")
        exit failed
    }'
