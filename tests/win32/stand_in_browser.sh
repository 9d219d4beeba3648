#!/bin/sh
# Stands in for the user's browser under Wine: winebrowser runs it with the
# address to open, and it only notes the address for the tests to read.
printf '%s\n' "$*" >> "${ACPOWER_BROWSER_LOG:-/tmp/acpower-browser.log}"
