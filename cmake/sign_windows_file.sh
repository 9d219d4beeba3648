#!/usr/bin/env bash
# Signs one Windows program in place with Authenticode (SHA-256) by the key
# the environment names (cmake/SignWindows.cmake has checked it is whole):
# a key on a PKCS#11 token, ACPOWER_SIGN_PKCS11_MODULE, ACPOWER_SIGN_KEY (a
# pkcs11: URI) and ACPOWER_SIGN_CERT, or a .p12 file, ACPOWER_SIGN_PKCS12
# and ACPOWER_SIGN_PASSWORD. CPack runs it on the staged program and makensis
# on the installer and the uninstaller.
#
#   sign_windows_file.sh FILE UNIX_TIME NAME URL
#
# The signing time is given, not the clock's, and no time-stamp server is
# asked: the same key and time sign the same file the same way, offline. The
# PIN or password reaches osslsigncode through a pipe, never its command
# line, so that neither a process list nor an error message shows it.
set -euo pipefail
file=$1
time=$2
args=(sign -h sha256 -time "$time" -n "$3" -i "$4")

if [[ -n ${ACPOWER_SIGN_PKCS12:-} ]]; then
    args+=(-pkcs12 "$ACPOWER_SIGN_PKCS12")
    secret=$ACPOWER_SIGN_PASSWORD
else
    # A pin-value attribute leaves the URI, with one of the separators around
    # it, and joins the pipe; it may be percent-encoded.
    key=$ACPOWER_SIGN_KEY
    secret=${ACPOWER_SIGN_PIN:-}
    pin_attribute='([:;?&])pin-value=([^;?&]*)'
    if [[ $key =~ $pin_attribute ]]; then
        secret=$(printf '%b' "${BASH_REMATCH[2]//%/\\x}")
        separator=${BASH_REMATCH[1]}
        before=${key%%"${BASH_REMATCH[0]}"*}
        after=${key#*"${BASH_REMATCH[0]}"}
        if [[ $separator == [:?] ]]; then
            before+=$separator
            after=${after#[;&]}
        fi
        key=$before$after
        key=${key%\?}
    fi
    args+=(-pkcs11module "$ACPOWER_SIGN_PKCS11_MODULE" -key "$key")
    # The certificate may live on the token too.
    if [[ $ACPOWER_SIGN_CERT == pkcs11:* ]]; then
        args+=(-pkcs11cert "$ACPOWER_SIGN_CERT")
    else
        args+=(-certs "$ACPOWER_SIGN_CERT")
    fi
fi

# osslsigncode writes a new file only.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
signed=$work/signed
if [[ -n $secret ]]; then
    osslsigncode "${args[@]}" -readpass <(printf '%s' "$secret") -in "$file" -out "$signed" >/dev/null
else
    osslsigncode "${args[@]}" -in "$file" -out "$signed" >/dev/null
fi
# In place, keeping the file's permissions and its time: makensis and CPack
# expect the file they made where they made it, and the installer packs the
# program with the time a release gave it.
touch -r "$file" "$work/time"
cat "$signed" >"$file"
touch -r "$work/time" "$file"
echo "Signed $(basename "$file") (SHA-256, signing time $time)"
