#!/usr/bin/env bash
# Checks both Windows builds of both programs: file type and subsystem, and that
# they import only DLLs that Windows loads from System32 whatever lies beside
# them (no compiler runtime, nothing that a planted DLL could replace); and
# that no exit code of the kit's own is a Windows error code.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
passed=0 failed=0
check() {  # name expected actual
    if [ "$2" = "$3" ]; then passed=$((passed + 1)); echo "ok - $1"
    else failed=$((failed + 1)); echo "not ok - $1: expected '$2' got '$3'"; fi
}
# KnownDLLs of Windows 10 and later (and msvcrt, one of them): loaded from
# System32 alone. Anything else is loaded at run time, from System32.
allowed='^(KERNEL32|USER32|GDI32|ADVAPI32|COMCTL32|msvcrt)\.dll$'
for arch in win64:x86_64:PE32+ win32:i686:PE32; do
    IFS=: read -r preset cpu kind <<<"$arch"
    for program in mariadb-installer:GUI mariadb-kit:console; do
        IFS=: read -r name subsystem <<<"$program"
        exe=$root/build/$preset/$name.exe
        if [ ! -f "$exe" ]; then check "$preset: $name built" present missing; continue; fi
        check "$preset: $name is a $kind $subsystem executable" yes \
            "$(file -b "$exe" | grep -q "^$kind executable ($subsystem)" && echo yes || echo no)"
        imports=$("$cpu-w64-mingw32-objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | sort -u)
        check "$preset: $name imports only DLLs from System32" "" "$(grep -v -i -E "$allowed" <<<"$imports")"
    done
done
# The kit's own codes (17001 to 17099) against every number winerror.h defines.
winerror=/usr/share/mingw-w64/include/winerror.h
defined=$(grep -oE '#define [A-Z_0-9]+ +(__MSABI_LONG\()?[0-9]+' "$winerror" | grep -oE '[0-9]+$' | sort -u)
kit_codes=$(grep -oE '= 17[0-9]{3};' "$root/src/kit/exit_codes.h" | grep -oE '[0-9]+')
check "kit codes between 17001 and 17099" "" \
    "$(awk '$1 < 17001 || $1 > 17099' <<<"$kit_codes")"
check "kit codes unknown to winerror.h" "" "$(comm -12 <(sort <<<"$kit_codes") <(sort <<<"$defined"))"
missing=$(sed -n 's/.*kProgramMissing = \([0-9]*\);.*/\1/p' "$root/src/kit/exit_codes.h")
check "launchers end with the kit's code for a missing program" "$missing $missing" \
    "$(grep -ho 'exit /b 17[0-9]*' "$root"/examples/*.bat | grep -o '[0-9]*$' | tr '\n' ' ' | sed 's/ $//')"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
