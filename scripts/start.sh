#!/usr/bin/env bash
# Builds the 64-bit program and starts it under Wine in the prefix build/wineprefix
# (START_PREFIX overrides it), beside the administrators' kit (its settings with a
# demo root password filled in) and a stand-in MSI package of the server. On a
# screen the window opens there. Without one it runs on a virtual display, and
# this script prints what the window shows, answers its message boxes, presses
# "Schließen" when a server is present, and saves screenshots under
# build/screenshots/. Exits non-zero, with a one-line reason, when it did not
# see the program run to its end.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

fail() {
    echo "start.sh: $*" >&2
    exit 1
}

scripts/install-deps.sh || fail "could not install the tools it needs (scripts/install-deps.sh)"
for tool in Xvfb xdpyinfo import wixl /usr/lib/wine/wine64; do
    command -v "$tool" >/dev/null || fail "a tool it needs is missing: $tool"
done
scripts/build.sh win64 >/dev/null || fail "the 64-bit build failed (scripts/build.sh win64)"
tools=$root/build/win64/tools
[ -f "$tools/standin-server.msi" ] || fail "the stand-in package was not built: $tools/standin-server.msi"

source scripts/wine-env.sh
had_screen=0
wine_display_usable && had_screen=1
trap 'wine_stop; wine_display_stop' EXIT
wine_session_start "${START_PREFIX:-$root/build/wineprefix}" || fail "could not start Wine"

# The folder an administrator fills: program, kit, settings, MSI package.
folder=$WINEPREFIX/drive_c/MariaDB-Installer
mkdir -p "$folder"
cp build/win64/mariadb-installer.exe build/win64/mariadb-kit.exe examples/silent-install2.bat \
    examples/silent-uninstall.bat "$folder/"
sed 's/^ROOT_PASSWORD=.*/ROOT_PASSWORD=demo-Passwort-1/' examples/einstellungen.ini >"$folder/einstellungen.ini"
cp "$tools/standin-server.msi" "$folder/mariadb-10.1.48-winx64.msi"  # the official name
program='C:\MariaDB-Installer\mariadb-installer.exe'

source scripts/start-observer.sh
if [ "$had_screen" -eq 1 ]; then
    trap - EXIT
    wine_run "$tools/launch.exe" 86400000 "$program" >"$program_out"
    report_exit
    exit 0
fi

observe_program "$program"
