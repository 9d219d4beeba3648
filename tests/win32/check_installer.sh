#!/usr/bin/env bash
# The installer's round trip, once for every user and once for the current
# user: install silently, find the files, the shortcut and the entry in the
# list of installed programs where that kind of install puts them, start the
# installed program and close it, uninstall through the entry's own command,
# and find the prefix as it was. Run by wine_session.sh, which says how wide
# the installer and the prefix's Windows are.
#
#   check_installer.sh SETUP.exe DRIVER.exe VERSION [CHECK...]
#
# CHECK, when given, is a command run on each install's folder (appended as
# its last argument) before the program starts, e.g. a signature check.
set -euo pipefail
setup=$1
driver=$2
version=$3
installed_check=("${@:4}")
wine=$ACPOWER_WINE
drive_c=$WINEPREFIX/drive_c
failures=0
passes=0

check()
{
    local what=$1
    shift
    if "$@"; then
        passes=$((passes + 1))
    else
        echo "FAIL: $what"
        failures=$((failures + 1))
    fi
}

# Where Windows keeps an install's entry and files: installer width, Windows
# width, install kind -> hive, uninstall key, folder under drive_c. The first
# row that matches counts; a machine-wide 32-bit install on 64-bit Windows is
# redirected to the 32-bit views, and per-user installs are never split.
entry_rules()
{
    cat <<'EOF'
32 64 machine HKLM Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\acpower Program Files (x86)/acpower
*  *  machine HKLM Software\Microsoft\Windows\CurrentVersion\Uninstall\acpower Program Files/acpower
*  *  user    HKCU Software\Microsoft\Windows\CurrentVersion\Uninstall\acpower users/*/AppData/Local/Programs/acpower
EOF
}
entry_rule()
{
    local installer prefix kind rest
    while read -r installer prefix kind rest; do
        if [[ $installer =~ ^($1|\*)$ && $prefix =~ ^($2|\*)$ && $kind == "$3" ]]; then
            echo "$rest"
            return
        fi
    done < <(entry_rules)
}

hive_file()
{
    if [[ $1 == HKLM ]]; then echo "$WINEPREFIX/system.reg"; else echo "$WINEPREFIX/user.reg"; fi
}

# A value of a key, as Wine stores it: "text" or dword:0000abcd.
registry_value()
{
    local hive=$1 key=$2 name=$3
    # Through the environment: awk -v would read the backslashes as escapes.
    KEY="[${key//\\/\\\\}]" NAME="\"$name\"" awk '
        index($0, "[") == 1 { inside = (index($0, ENVIRON["KEY"]) == 1) }
        inside && index($0, ENVIRON["NAME"] "=") == 1 { sub(/^[^=]*=/, ""); print }' "$(hive_file "$hive")"
}

# Every place of the table that holds the program's entry.
entry_places()
{
    local hive key folder
    entry_rules | while read -r _ _ _ hive key folder; do
        if grep -qF "[${key//\\/\\\\}]" "$(hive_file "$hive")"; then
            echo "$hive $key"
        fi
    done | sort -u
}

# The file tree and the registry's key names; the registry files are written
# once wineserver has nothing left to do. The temporary folders are left out:
# the uninstaller runs from a copy there that Windows deletes at the next
# start.
key_names()
{
    grep -h '^\[' "$@" | sed 's/\] [0-9]*$/]/' | sort
}
snapshot()
{
    "$ACPOWER_WINESERVER" -w
    find "$drive_c" -path "$drive_c/users/*/Temp" -prune -o -path "$drive_c/windows/temp" -prune -o -print | sort
    key_names "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg"
}
machine_wide()
{
    key_names "$WINEPREFIX/system.reg"
    find "$drive_c"/Program\ Files* | sort
}

windows_path()
{
    "$wine" winepath -w "$1" 2>/dev/null | tr -d '\r'
}

round_trip()
{
    local kind=$1 option=$2
    local hive key folder install_dir menu location size files_kb uninstall left
    read -r hive key folder < <(entry_rule "$ACPOWER_PROGRAM_BITS" "$ACPOWER_PREFIX_BITS" "$kind")
    echo "-- $kind install: entry under $hive\\$key, files in $folder"
    local before machine_before
    before=$(snapshot)
    machine_before=$(machine_wide)
    # By its Windows path: CPack leaves the file without Unix execute
    # permission, and Wine would hand such a file to the shell as a document.
    check "$kind: the installer exits with status 0" "$wine" "$(windows_path "$setup")" /S "$option"
    "$ACPOWER_WINESERVER" -w

    check "$kind: the entry is in $hive\\$key alone" test "$(entry_places)" = "$hive $key"
    install_dir=$(compgen -G "$drive_c/$folder" | head -n1 || true)
    for file in acpower.exe readme.txt license.txt Uninstall.exe; do
        check "$kind: $file is installed in $folder" test -f "$install_dir/$file"
    done
    if [[ $kind == user ]]; then
        check "user: nothing is written to HKLM or Program Files" test "$(machine_wide)" = "$machine_before"
        menu="$drive_c/users/*/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
    else
        menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
    fi
    check "$kind: the shortcut is in the $kind's Start menu" \
        test -n "$(compgen -G "$menu/Расчет мощности кондиционера.lnk" || true)"
    check "$kind: the entry has version $version" test "$(registry_value "$hive" "$key" DisplayVersion)" = "\"$version\""
    check "$kind: the entry names the publisher" test -n "$(registry_value "$hive" "$key" Publisher)"
    location=$(registry_value "$hive" "$key" InstallLocation)
    check "$kind: the entry's InstallLocation is the folder" \
        test "$location" = "\"$(windows_path "$install_dir" | sed 's/\\/\\\\/g')\""
    size=$(registry_value "$hive" "$key" EstimatedSize)
    size=${size#dword:}
    files_kb=$(find "$install_dir" -type f -printf '%s\n' 2>/dev/null | awk '{ s += $1 } END { print int(s / 1024) }' || true)
    size=$((16#${size:-0} - files_kb))
    check "$kind: the entry's EstimatedSize is the files' size in KB" test "$size" -ge -1 -a "$size" -le 1

    if ((${#installed_check[@]} > 0)); then
        check "$kind: the installed files pass $(basename "${installed_check[-1]}")" "${installed_check[@]}" "$install_dir"
    fi

    # --example 0: start the installed program, show a room and close it.
    check "$kind: the installed program starts and exits with status 0" \
        "$wine" "$driver" --example 0 "$(windows_path "$install_dir/acpower.exe")"

    # As the list of installed programs would: the entry's own command.
    uninstall=$(registry_value "$hive" "$key" UninstallString | sed 's/^"\\"//; s/\\""$//; s/\\\\/\\/g')
    check "$kind: the entry's uninstall command exits with status 0" "$wine" "$uninstall" /S
    # The uninstaller copies itself away and runs from there; wait for it.
    "$ACPOWER_WINESERVER" -w
    left=$(diff <(echo "$before") <(snapshot) | grep '^[<>]' || true)
    check "$kind: uninstalling leaves nothing behind" test -z "$left"
    if [[ -n $left ]]; then
        echo "$left" | head -n 20
    fi
}

round_trip machine /AllUsers
round_trip user /CurrentUser

echo "$passes passed, $failures failed"
((failures == 0))
