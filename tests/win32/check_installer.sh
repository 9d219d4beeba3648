#!/usr/bin/env bash
# Installs the NSIS package silently under Wine, starts the installed program
# and closes it, uninstalls silently, and checks that the prefix is as it was:
# no file, shortcut or registry key left behind. Run by wine_session.sh.
#
#   check_installer.sh SETUP.exe DRIVER.exe
set -euo pipefail
setup=$1
driver=$2
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

# The file tree and the registry's key names; the registry files are written
# once wineserver has nothing left to do.
snapshot()
{
    "$ACPOWER_WINESERVER" -w
    find "$drive_c" -path "$drive_c/users/*/Temp" -prune -o -path "$drive_c/windows/temp" -prune -o -print | sort
    grep -h '^\[' "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg" | sed 's/\] [0-9]*$/]/' | sort
}

# The program's own key, for the list of installed programs.
uninstall_key='[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\acpower]'
registry_value()
{
    # Through the environment: awk -v would read the backslashes as escapes.
    KEY=$uninstall_key NAME="\"$1\"" awk '
        index($0, "[") == 1 { inside = (index($0, ENVIRON["KEY"]) == 1) }
        inside && index($0, ENVIRON["NAME"] "=") == 1 { sub(/^[^=]*=/, ""); print }' "$WINEPREFIX/system.reg"
}

windows_path()
{
    "$wine" winepath -w "$1" 2>/dev/null | tr -d '\r'
}

before=$(snapshot)
# By its Windows path: CPack leaves the file without Unix execute permission,
# and Wine would hand such a file to the shell as a document.
"$wine" "$(windows_path "$setup")" /S
"$ACPOWER_WINESERVER" -w
installed=$(find "$drive_c" -name acpower.exe -path '*Program Files*' | head -n1)
check "the program is installed under Program Files" test -n "$installed"
install_dir=$(dirname "$installed")
for file in LICENSE README.md Uninstall.exe; do
    check "$file is installed beside the program" test -f "$install_dir/$file"
done
shortcut=$(find "$drive_c" -name 'Расчет мощности кондиционера.lnk' | head -n1)
check "the Start menu has the shortcut" test -n "$shortcut"
check "the list of installed programs has version 1.00" test "$(registry_value DisplayVersion)" = '"1.00"'
check "the list of installed programs names the publisher" test -n "$(registry_value Publisher)"
check "the list of installed programs can uninstall it" test -n "$(registry_value UninstallString)"

# --example 0: start the installed program, show a room and close it at once.
check "the installed program starts and exits with status 0" "$wine" "$driver" --example 0 "$(windows_path "$installed")"

"$wine" "$install_dir/Uninstall.exe" /S
# The uninstaller copies itself away and runs from there; wait for it.
"$ACPOWER_WINESERVER" -w
after=$(snapshot)
left=$(diff <(echo "$before") <(echo "$after") | grep '^[<>]' || true)
check "uninstalling leaves nothing behind" test -z "$left"
if [[ -n $left ]]; then
    echo "$left" | head -n 20
fi

echo "$passes passed, $failures failed"
((failures == 0))
