#!/usr/bin/env bash
# The README's start command as a newcomer without a screen runs it: twice in a
# scratch prefix. The first start installs the stand-in package on the automatic
# road, the second finds the server it installed and closes with "Schließen".
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
prefix=$root/build/wineprefix-startcheck
WINE_REPO=$root
source "$root/tests/wine/lib/checks.sh"
source "$root/tests/wine/lib/texts.sh"

# printed START NEEDLE: whether start number START printed the line NEEDLE.
printed() { grep -qxF -- "$2" "$root/build/start-check-$1.log" && echo yes || echo no; }

start() {
    (unset DISPLAY; START_PREFIX=$prefix timeout 300 "$root/scripts/start.sh") \
        >"$root/build/start-check-$1.log" 2>&1
    check "start $1: exit code" 0 "$?"
    sed 's/^/# /' "$root/build/start-check-$1.log"
}

WINEPREFIX=$prefix /usr/lib/wine/wineserver64 -k 2>/dev/null
rm -rf "$prefix"
start 1
check "start 1: verdict" yes "$(printed 1 "--- verdict: $(expected_text kNeither)")"
check "start 1: installed" yes "$(printed 1 "--- message box: $INSTALLED_AUTOMATICALLY")"
check "start 1: ended" yes "$(printed 1 "--- the program has ended (exit code 0: installed)")"
start 2
check "start 2: verdict" yes "$(printed 2 "--- verdict: $(expected_text kMariaRunning)")"
check "start 2: closed by the user" yes "$(printed 2 "--- a server is present: the window waits for the user; pressing \"Schließen\"")"
check "start 2: no message box" no "$(grep -q -- '--- message box' "$root/build/start-check-2.log" && echo yes || echo no)"
check "start 2: ended" yes "$(printed 2 "--- the program has ended (exit code 1602: closed without installing)")"
rm -rf "$prefix"
summary
