#!/usr/bin/env bash
# The release packages as an administrator receives them: file list, line ends
# and checksums of the unsigned packages; then packages signed with a throwaway
# self-signed certificate, from a PKCS#12 file and from a key on a SoftHSM2
# token, whose signatures are intact and name the program as its version record
# does, and whose 64-bit program starts under Wine.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
source scripts/wine-env.sh
source tests/wine/lib/checks.sh
source tests/wine/lib/texts.sh
work=$(mktemp -d)
trap 'wine_stop; wine_display_stop; rm -rf "$work"' EXIT
# The version the build names the packages after: the project's, in CMakeLists.txt.
version=$(sed -n 's/^project(.* VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)

# crlf FILE: "crlf" when every line ends with CR LF.
crlf() { [ "$(grep -c $'\r$' "$1")" = "$(wc -l <"$1")" ] && [ -s "$1" ] && echo crlf || echo "not crlf"; }

check_unsigned_packages() {
    local output arch top
    output=$(scripts/package.sh 2>&1)
    check "unsigned: says so" yes "$(grep -q 'NOT signed' <<<"$output" && echo yes || echo no)"
    for arch in win64 win32; do
        top=MariaDB-Installer-$version-$arch
        check "$arch: files" \
            "$top/LICENSE.txt;$top/LIESMICH.txt;$top/einstellungen.ini;$top/mariadb-installer.exe;$top/mariadb-kit.exe;$top/silent-install2.bat;$top/silent-uninstall.bat;" \
            "$(unzip -Z1 "build/package/$top.zip" | sort | tr '\n' ';')"
        check "$arch: checksum" "$top.zip: OK" "$(cd build/package && sha256sum -c "$top.zip.sha256" 2>&1)"
        rm -rf "${work:?}/$arch" && unzip -q "build/package/$top.zip" -d "$work/$arch"
        check "$arch: LIESMICH.txt line ends" crlf "$(crlf "$work/$arch/$top/LIESMICH.txt")"
        check "$arch: LIESMICH.txt is UTF-8 with byte-order mark" efbbbf \
            "$(head -c 3 "$work/$arch/$top/LIESMICH.txt" | od -An -tx1 | tr -d ' \n')"
        check "$arch: install script line ends" crlf "$(crlf "$work/$arch/$top/silent-install2.bat")"
        check "$arch: removal script line ends" crlf "$(crlf "$work/$arch/$top/silent-uninstall.bat")"
        check "$arch: einstellungen.ini line ends" crlf "$(crlf "$work/$arch/$top/einstellungen.ini")"
        check "$arch: einstellungen.ini is UTF-8 with byte-order mark" efbbbf \
            "$(head -c 3 "$work/$arch/$top/einstellungen.ini" | od -An -tx1 | tr -d ' \n')"
    done
}

check_signed_packages() {
    openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 1 \
        -subj "/CN=MariaDB-Installer test signer" -addext extendedKeyUsage=codeSigning 2>/dev/null
    openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/signer.pfx" \
        -passout 'pass:Test Kennwort&1' 2>/dev/null
    INSTALLER_SIGN_PASSWORD='Test Kennwort&1' scripts/package.sh --sign "$work/signer.pfx" >/dev/null 2>&1
    check "signed: package.sh exit code" 0 "$?"
    local arch top exe verified
    for arch in win64 win32; do
        top=MariaDB-Installer-$version-$arch
        rm -rf "${work:?}/$arch" && unzip -q "build/package/$top.zip" -d "$work/$arch"
        exe=$work/$arch/$top/mariadb-installer.exe
        verified=$(osslsigncode verify -CAfile "$work/cert.pem" -in "$exe" 2>&1)
        check "$arch: signature intact" "Signature verification: ok" \
            "$(grep -o 'Signature verification: ok' <<<"$verified")"
        check "$arch: SHA-256 digest" SHA256 "$(sed -n 's/^Message digest algorithm *: *//p' <<<"$verified" | head -n 1)"
        check "$arch: description in the version record" MariaDB-Installer \
            "$(strings -el "$exe" | grep -A1 -x FileDescription | tail -n 1)"
        check "$arch: description in the signature" MariaDB-Installer \
            "$(sed -n 's/^\s*Text description: //p' <<<"$verified")"
        check "$arch: mariadb-kit.exe signed too" "Signature verification: ok" \
            "$(osslsigncode verify -CAfile "$work/cert.pem" -in "$work/$arch/$top/mariadb-kit.exe" 2>&1 |
                grep -o 'Signature verification: ok')"
    done
    check "build tree's program stays unsigned" no \
        "$(osslsigncode verify -in build/win64/mariadb-installer.exe >/dev/null 2>&1 && echo yes || echo no)"
    check_signed_program_runs "$work/win64/MariaDB-Installer-$version-win64"
}

# The same key moved onto a SoftHSM2 token made here, and gone from every file:
# both programs signed through the token's PKCS#11 module.
check_token_signed_packages() {
    local pin='Token PIN&1' label=installer-release-test output arch top verified
    export SOFTHSM2_CONF=$work/softhsm2.conf
    mkdir -p "$work/tokens"
    printf 'directories.tokendir = %s\nobjectstore.backend = file\nlog.level = ERROR\n' \
        "$work/tokens" >"$SOFTHSM2_CONF"
    softhsm2-util --init-token --free --label "$label" --so-pin 12345678 --pin "$pin" >/dev/null
    openssl pkcs8 -topk8 -nocrypt -in "$work/key.pem" -out "$work/key.p8"
    softhsm2-util --import "$work/key.p8" --token "$label" --label signer --id 01 --pin "$pin" >/dev/null
    rm -f "$work/key.pem" "$work/key.p8" "$work/signer.pfx"
    output=$(INSTALLER_SIGN_PIN=$pin scripts/package.sh --sign-pkcs11 /usr/lib/softhsm/libsofthsm2.so \
        --cert "$work/cert.pem" --key "pkcs11:token=$label;object=signer;type=private" 2>&1)
    check "token: package.sh exit code" 0 "$?"
    check "token: PIN never printed" no "$(grep -qF "$pin" <<<"$output" && echo yes || echo no)"
    check "token: warns that there is no timestamp" yes \
        "$(grep -q 'INSTALLER_SIGN_TIMESTAMP is not set' <<<"$output" && echo yes || echo no)"
    for arch in win64 win32; do
        top=MariaDB-Installer-$version-$arch
        rm -rf "${work:?}/$arch" && unzip -q "build/package/$top.zip" -d "$work/$arch"
        verified=$(osslsigncode verify -CAfile "$work/cert.pem" -in "$work/$arch/$top/mariadb-installer.exe" 2>&1)
        check "token: $arch: signature intact" "Signature verification: ok" \
            "$(grep -o 'Signature verification: ok' <<<"$verified")"
    done
}

# The signed program, unpacked beside the template as shipped, under Wine: its
# window shows, and without a package nothing is installed.
check_signed_program_runs() {
    local prefix=$root/build/wineprefix-release tools=$root/build/win64/tools window box
    local uia=$tools/uia.exe out=$work/launch.out
    wine_stop
    rm -rf "$prefix"
    wine_session_start "$prefix" || { check "Wine session" started failed; return; }
    cp -r "$1" "$prefix/drive_c/Release"
    wine_run "$tools/launch.exe" 60000 'C:\Release\mariadb-installer.exe' >"$out" 2>/dev/null &
    local app=$!
    window=$(wine_run "$uia" wait-window 20000 2>/dev/null | tr -d '\r')
    check "signed program: window shown" MariaDB-Installer "$(kv title <<<"$window")"
    box=$(wine_run "$uia" msgbox 30000 2>/dev/null | tr -d '\r')
    check "signed program: template as shipped installs nothing" \
        "$NOT_INSTALLED" \
        "$(kv text <<<"$box")"
    wait "$app"
    # No package lies beside the template: its own exit code is passed on.
    check "signed program: exit code" 1619 "$(tr -d '\r' <"$out" | kv exit_code)"
    wine_stop
    rm -rf "$prefix"
}

check_unsigned_packages
check_signed_packages
check_token_signed_packages
scripts/package.sh >/dev/null 2>&1  # leaves the unsigned packages, as a plain run would
summary
