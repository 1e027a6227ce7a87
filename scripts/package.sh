#!/usr/bin/env bash
# Builds both Windows programs and writes the release packages under build/package/:
# MariaDB-Installer-<version>-win64.zip and -win32.zip, each with a .sha256 file.
#
#   scripts/package.sh                     unsigned packages
#   scripts/package.sh --sign FILE.pfx     signed with the key in a PKCS#12 file;
#                                          its password in INSTALLER_SIGN_PASSWORD
#   scripts/package.sh --sign-pkcs11 MODULE --cert CERT.pem --key PKCS11-URI
#                                          signed with a key on a token or HSM,
#                                          through its PKCS#11 module; the PIN in
#                                          INSTALLER_SIGN_PIN
#
# Both programs are signed with Authenticode (SHA-256). An RFC 3161 timestamp
# server is taken from INSTALLER_SIGN_TIMESTAMP; without one the signatures end
# with the certificate. Passwords and PINs go to osslsigncode through a file
# only this user can read, never on a command line, and are never printed.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

usage="usage: scripts/package.sh [--sign FILE.pfx | --sign-pkcs11 MODULE --cert CERT.pem --key PKCS11-URI]"
fail() {
    echo "package.sh: $*" >&2
    exit 1
}

# pass_file SECRET: a file with SECRET that only this user reads, removed on exit.
pass_file() {
    INSTALLER_SIGN_PASSFILE=$(umask 077 && mktemp)
    trap 'rm -f "$INSTALLER_SIGN_PASSFILE"' EXIT
    printf '%s' "$1" >"$INSTALLER_SIGN_PASSFILE"
    export INSTALLER_SIGN_PASSFILE
}

unset INSTALLER_SIGN_PFX INSTALLER_SIGN_PKCS11_MODULE INSTALLER_SIGN_CERT INSTALLER_SIGN_KEY
signed_with=
case "${1:-}" in
    "") [ $# -eq 0 ] || fail "$usage" ;;
    --sign)
        [ $# -eq 2 ] || fail "$usage"
        [ -f "$2" ] || fail "no such certificate file: $2"
        [ -n "${INSTALLER_SIGN_PASSWORD+set}" ] || fail "set INSTALLER_SIGN_PASSWORD to the password of $2"
        export INSTALLER_SIGN_PFX=$(realpath "$2")
        pass_file "$INSTALLER_SIGN_PASSWORD"
        unset INSTALLER_SIGN_PASSWORD  # the tools it starts need only the file
        signed_with=$(basename "$2")
        ;;
    --sign-pkcs11)
        [ $# -eq 6 ] && [ "$3" = --cert ] && [ "$5" = --key ] || fail "$usage"
        [ -f "$2" ] || fail "no such PKCS#11 module: $2"
        [ -f "$4" ] || fail "no such certificate file: $4"
        [ -n "${INSTALLER_SIGN_PIN+set}" ] || fail "set INSTALLER_SIGN_PIN to the PIN of the token"
        export INSTALLER_SIGN_PKCS11_MODULE=$(realpath "$2") INSTALLER_SIGN_CERT=$(realpath "$4")
        export INSTALLER_SIGN_KEY=$6
        pass_file "$INSTALLER_SIGN_PIN"
        unset INSTALLER_SIGN_PIN  # the tools it starts need only the file
        signed_with="the key $6"
        ;;
    *) fail "$usage" ;;
esac
if [ -n "$signed_with" ] && [ -z "${INSTALLER_SIGN_TIMESTAMP:-}" ]; then
    echo "package.sh: warning: INSTALLER_SIGN_TIMESTAMP is not set, so the signatures carry no" \
        "timestamp and are no longer valid once the certificate has expired" >&2
fi

scripts/install-deps.sh
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
if [ -n "$signed_with" ]; then
    echo "both programs are signed with $signed_with"
else
    echo "the programs are NOT signed (scripts/package.sh --sign or --sign-pkcs11 signs them)"
fi
