#!/usr/bin/env bash
# Checks both Windows builds: file type, GUI subsystem, and that they import
# only Windows' own DLLs (no compiler runtime beside the program).
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
passed=0 failed=0
check() {  # name expected actual
    if [ "$2" = "$3" ]; then passed=$((passed + 1)); echo "ok - $1"
    else failed=$((failed + 1)); echo "not ok - $1: expected '$2' got '$3'"; fi
}
allowed='^(KERNEL32|USER32|GDI32|ADVAPI32|COMCTL32|msvcrt)\.dll$'
for arch in win64:x86_64:PE32+ win32:i686:PE32; do
    IFS=: read -r preset cpu kind <<<"$arch"
    exe=$root/build/$preset/mariadb-installer.exe
    if [ ! -f "$exe" ]; then check "$preset: program built" present missing; continue; fi
    check "$preset: $kind GUI executable" yes \
        "$(file -b "$exe" | grep -q "^$kind executable (GUI)" && echo yes || echo no)"
    imports=$("$cpu-w64-mingw32-objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | sort -u)
    check "$preset: imports only system DLLs" "" "$(grep -v -i -E "$allowed" <<<"$imports")"
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
