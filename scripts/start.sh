#!/usr/bin/env bash
# Builds the 64-bit program and starts it under Wine in the project's own
# prefix, with a demo silent-install2.bat beside it that simulates an
# installation. On a screen the window opens there; without one it runs on a
# virtual display, and this script prints what the window shows, saves
# screenshots under build/screenshots/ and answers its message boxes.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
scripts/build.sh win64
source scripts/wine-env.sh
wine_prefix_ensure

folder=$WINEPREFIX/drive_c/MariaDB-Installer
mkdir -p "$folder"
cp build/win64/mariadb-installer.exe "$folder/"
cp scripts/demo/silent-install2.bat "$folder/"
program='C:\MariaDB-Installer\mariadb-installer.exe'

if wine_display_usable; then
    wine_run "$program"
    exit 0
fi

uia() { wine_run "$root/build/win64/tools/uia.exe" "$@" | tr -d '\r'; }
shots=$root/build/screenshots
wine_display_ensure
trap 'wine_stop; wine_display_stop' EXIT
wine_run "$program" &
uia wait-window 20000 >/dev/null
sleep 1
screenshot() { wine_screenshot "$shots/start-$1.png"; echo "screenshot: build/screenshots/start-$1.png"; }
show() {
    echo "--- the window shows:"
    uia controls | awk -F'\t' '$1 == "control" && $4 == 1 && $10 != "" { print "  " $10 }'
}
show
screenshot 1
step=2
until uia wait-gone 1 >/dev/null 2>&1; do
    if box=$(uia msgbox 15000 2>/dev/null); then
        echo "--- message box: $(sed -n 's/^text=//p' <<<"$box") [OK pressed]"
        show 2>/dev/null || true
        screenshot $step
        step=$((step + 1))
    elif uia visible 101 2>/dev/null | grep -q 'visible=1'; then
        echo "--- a server is present: the window waits for the user; closing it with \"Schließen\""
        uia click 102 >/dev/null
        uia wait-gone 10000 >/dev/null || true
    fi
done
echo "--- the program has ended (start again for the next run)"
