#!/usr/bin/env bash
# Builds both Windows programs and writes the release packages under build/package/:
# MariaDB-Installer-<version>-win64.zip and -win32.zip, each with a .sha256 file.
#
#   scripts/package.sh                 unsigned packages
#   scripts/package.sh --sign FILE.pfx both programs signed with Authenticode (SHA-256)
#
# With --sign the PFX password is taken from INSTALLER_SIGN_PASSWORD, and an
# optional RFC 3161 timestamp server from INSTALLER_SIGN_TIMESTAMP.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

fail() {
    echo "package.sh: $*" >&2
    exit 1
}

pfx=
case "${1:-}" in
    "") ;;
    --sign) [ $# -eq 2 ] || fail "usage: scripts/package.sh [--sign FILE.pfx]"; pfx=$(realpath "$2") ;;
    *) fail "usage: scripts/package.sh [--sign FILE.pfx]" ;;
esac

scripts/install-deps.sh
if [ -n "$pfx" ]; then
    [ -f "$pfx" ] || fail "no such certificate file: $2"
    [ -n "${INSTALLER_SIGN_PASSWORD+set}" ] || fail "set INSTALLER_SIGN_PASSWORD to the password of $2"
    passfile=$(mktemp)
    trap 'rm -f "$passfile"' EXIT
    printf '%s' "$INSTALLER_SIGN_PASSWORD" >"$passfile"
    export INSTALLER_SIGN_PFX=$pfx INSTALLER_SIGN_PASSFILE=$passfile
else
    unset INSTALLER_SIGN_PFX
fi

rm -rf build/package
for preset in win64 win32; do
    scripts/build.sh "$preset" >/dev/null || fail "the $preset build failed"
    (cd "build/$preset" && cpack -G ZIP >"$root/build/package-$preset.log" 2>&1) ||
        fail "cpack failed for $preset: see build/package-$preset.log"
done
rm -rf build/package/_CPack_Packages

for zip in build/package/*.zip; do
    echo "$zip ($(stat -c %s "$zip") bytes), checksum in $(basename "$zip").sha256"
done
if [ -n "$pfx" ]; then
    echo "both programs are signed with $(basename "$pfx")"
else
    echo "the programs are NOT signed (scripts/package.sh --sign FILE.pfx signs them)"
fi
