#!/usr/bin/env bash
# The 64-bit installer under Wine, read back from outside: what its window says
# for the services present, how it looks, and how it closes. Needs the win64
# build (program and tools); builds nothing itself.
set -u
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/install_roads.sh"

MYSQL_RUNNING="MySQL ist auf dem Computer installiert und aktiv. Die Datenbankinstallation kann hier abgebrochen werden!"
MYSQL_STOPPED="MySQL ist auf dem Computer installiert aber nicht aktiv. Die Datenbankinstallation kann hier abgebrochen werden, wenn Sie den vorhandenen Dienst aktivieren"
MARIADB_STOPPED="MariaDB ist auf dem Computer installiert aber nicht aktiv. Die Datenbankinstallation kann hier abgebrochen werden, wenn Sie den vorhandenen Dienst aktivieren"

# Client-area layout at 96 DPI: id, x, y, width, height, visible, text ("-": not checked).
LAYOUT="\
101 224 224 201  41 1 MariaDB jetzt trotzdem  installieren
102 520 224 105  41 1 Schließen
103 184 176 201  25 0 bitte warten ...
104 128  48  32  32 - -
105 168  56 449 113 - -
106   0   0 106 277 - -
107 128  16 417  25 - Prüfen, ob MySQL oder MariaDB schon installiert ist ..."

# The text Label4 settles on, and that no message box comes with it.
expect_verdict() {
    check "Label4 text" "$1" "$(uia wait-text 105 "$(uia_escape "$1")" 10000 | kv text)"
    check "no message box" none "$(msgbox_within 1000)"
}

check_window_facts() {
    local fact
    check "client area" "631 276" "$(kv client <<<"$WINDOW")"
    for fact in caption=1 sysmenu=1 minimizebox=0 maximizebox=0 thickframe=0 centred=1; do
        check "window ${fact%=*}" "${fact#*=}" "$(kv "${fact%=*}" <<<"$WINDOW")"
    done
    check "screen at 96 DPI" 96 "$(kv system_dpi <<<"$WINDOW")"
}

check_layout() {
    local controls id x y w h visible text row
    controls=$(uia controls)
    while read -r id x y w h visible text; do
        row=$(awk -F'\t' -v id="$id" '$1 == "control" && $2 == id' <<<"$controls")
        check "$id geometry" "$x $y $w $h" "$(awk -F'\t' '{print $6, $7, $8, $9}' <<<"$row")"
        [ "$visible" = - ] || check "$id visible" "$visible" "$(cut -f4 <<<"$row")"
        [ "$text" = - ] || check "$id text" "$(uia_escape "$text")" "$(cut -f10 <<<"$row")"
    done <<<"$LAYOUT"
    check "keyboard focus" 102 "$(kv focus <<<"$controls")"
}

screenshot() {
    local out=$SCREENSHOTS/$SCENARIO.png
    # shellcheck disable=SC2046  # x y w h as four words
    wine_screenshot "$out" $(kv window <<<"$WINDOW") && note "screenshot: $out"
}

# close_by UIA-COMMAND...: the window goes, with no message box, and the program ends.
close_by() {
    check "$* accepted" 0 "$(uia "$@" >/dev/null; echo $?)"
    check "window gone after $*, no message box" gone "$(window_gone_within 5000)"
    if app_wait_exit 5; then
        check "program ended, exit code" 0 "$APP_EXIT"
    else
        check "program ended, exit code" 0 "still running$(uia msgbox-peek 0 | kv text | sed 's/^./, box: &/')"
    fi
}

scenario_mysql_running() {
    svc_running MySQL
    app_start || return
    expect_verdict "$MYSQL_RUNNING"
    check_window_facts
    check_layout
    screenshot
    close_by click 102
}

scenario_mariadb_stopped() {
    svc_stopped MariaDB
    app_start || return
    expect_verdict "$MARIADB_STOPPED"
    close_by close
}

scenario_mysql_running_mariadb_stopped() {
    svc_running MySQL
    svc_stopped MariaDB
    app_start || return
    expect_verdict "$MARIADB_STOPPED"
    close_by syscommand-close
}

scenario_mysql_lower_case_stopped() {
    svc_stopped mysql
    app_start || return
    expect_verdict "$MYSQL_STOPPED"
    close_by close
}

# Only key names count: a display name with MariaDB in it does not.
scenario_mariadb_display_name_only() {
    svc_running MySQL
    svc_stopped Foo DisplayName= "MariaDB Server"
    app_start || return
    expect_verdict "$MYSQL_RUNNING"
    close_by close
}

# At 150 % the labels and buttons use the scalable face, at the scaled sizes: the
# fonts the program creates, as Wine's font trace names them.
scenario_fonts_at_150_percent() {
    svc_running MySQL
    screen_dpi 144
    local log=$WINE_REPO/build/wine-suite-fonts.log
    : >"$log"
    APP_WINEDEBUG=trace+font APP_LOG=$log app_start
    screen_dpi 96
    check "client area at 150 %" "947 414" "$(kv client <<<"$WINDOW")"
    # One line per font: its height in pixels (negative: character height) and face.
    local fonts
    fonts=$(sed -n 's/.*NtGdiHfontCreate (\(-[0-9]*\) .*\(L"[^"]*Sans Serif"\( Bold\)\{0,1\}\).*/\1 \2/p' "$log" |
        sort -u | tr '\n' ';')
    check "fonts created" '-17 L"Microsoft Sans Serif";-17 L"Microsoft Sans Serif" Bold;-20 L"Microsoft Sans Serif" Bold;-35 L"Microsoft Sans Serif" Bold;' "$fonts"
    screenshot
    close_by close
}

suite_start
run_scenario mysql-running scenario_mysql_running
run_scenario mariadb-stopped scenario_mariadb_stopped
run_scenario mysql-running-mariadb-stopped scenario_mysql_running_mariadb_stopped
run_scenario mysql-lower-case-stopped scenario_mysql_lower_case_stopped
run_scenario mariadb-display-name-only scenario_mariadb_display_name_only
run_scenario fonts-at-150-percent scenario_fonts_at_150_percent
run_install_roads
suite_end
summary
