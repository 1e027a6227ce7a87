#!/usr/bin/env bash
# The install template alone, today's (the launcher and mariadb-kit.exe) against
# the cmd template it replaced (examples/silent-install2.bat at KIT_BENCH_BEFORE,
# default f6b8f76, read from git), on the same stand-in package in one sitting,
# in a prefix of its own: a new installation (installed and removed again each
# time) and the road where that version is installed already. Alternating runs,
# KIT_BENCH_RUNS each (default 9); milliseconds inside Wine from the template's
# start to its end, as launch.exe measures them. Prints figures; asserts nothing.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
before=${KIT_BENCH_BEFORE:-f6b8f76}
runs=${KIT_BENCH_RUNS:-9}
scripts/install-deps.sh
scripts/build.sh win64 >/dev/null
git cat-file -e "$before:examples/silent-install2.bat" 2>/dev/null ||
    { echo "kit.sh: the template of $before is not in this clone's history" >&2; exit 1; }
source scripts/wine-env.sh
prefix=$root/build/wineprefix-bench-kit
export WINEPREFIX=$prefix
wine_stop
rm -rf "$prefix"
trap 'wine_stop; wine_display_stop' EXIT
wine_session_start "$prefix"
tools=$root/build/win64/tools
wine_run "$tools/uia.exe" hold 3600000 >/dev/null 2>&1 &

# Both in folders of their own beside the same package, under the name of its
# own version (the old template read the version from the name), with the same
# password.
old=$WINEPREFIX/drive_c/old new=$WINEPREFIX/drive_c/new
mkdir -p "$old" "$new"
git show "$before:examples/silent-install2.bat" |
    sed 's/^set "ROOT_PASSWORD=.*"/set "ROOT_PASSWORD=bench-Passwort-1"/' >"$old/silent-install2.bat"
cp examples/silent-install2.bat build/win64/mariadb-kit.exe "$new/"
sed 's/^ROOT_PASSWORD=.*/ROOT_PASSWORD=bench-Passwort-1/' examples/einstellungen.ini >"$new/einstellungen.ini"
cp "$tools/standin-server.msi" "$old/mariadb-10.1.22-winx64.msi"
cp "$tools/standin-server.msi" "$new/mariadb-10.1.22-winx64.msi"

# ms FOLDER: one run of the template there; its milliseconds, or "failed".
ms() {
    local out
    out=$(wine_run "$tools/launch.exe" 120000 "C:\\$1\\silent-install2.bat" 2>/dev/null | tr -d '\r')
    [ "$(sed -n 's/^exit_code=//p' <<<"$out")" = 0 ] && sed -n 's/^ms=//p' <<<"$out" || echo failed
}
removed() {
    wine_run msiexec /x 'C:\new\mariadb-10.1.22-winx64.msi' /qn >/dev/null 2>&1 || true
    wine_run sc delete MariaDB >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX/drive_c/Program Files/MariaDB 10.1"
}
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
report() {  # LABEL, then the runs of the old template and of today's, as two words each
    printf '  %-34s before %5s ms   today %5s ms   (before: %s; today: %s)\n' "$1" \
        "$(median $2)" "$(median $3)" "$2" "$3"
}

removed
old_new=() new_new=()
for run in $(seq "$runs"); do
    old_new+=("$(ms old)"); removed
    new_new+=("$(ms new)"); removed
done
wine_run msiexec /i 'C:\new\mariadb-10.1.22-winx64.msi' /qn SERVICENAME=MariaDB \
    'INSTALLDIR=c:\Program Files\MariaDB 10.1' PASSWORD=bench >/dev/null 2>&1
old_same=() new_same=()
for run in $(seq "$runs"); do
    old_same+=("$(ms old)")
    new_same+=("$(ms new)")
done
removed
echo "== the install template alone, median of $runs alternating runs each"
report "new installation:" "${old_new[*]}" "${new_new[*]}"
report "that version installed already:" "${old_same[*]}" "${new_same[*]}"
