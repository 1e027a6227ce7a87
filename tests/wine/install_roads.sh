# Scenarios of the two install roads with real batch scripts beside the
# program. Sourced by run.sh after lib.sh.

TARGET_DIR='c:\Program Files\MariaDB 10.1'
NOT_INSTALLED="Datenbank konnte NICHT installiert werden. Das Installationsverzeichnis muss leer sein!"
DIRECTORY_EXISTS="Das Verzeichnis <c:\\Programme\\MariaDB 10.1> existiert schon! Es muss vor der Installation gelöscht werden. Ggf. das <data>-Verzeichnis vorher sichern"

# make_script EXIT_CODE installs|nothing: a script that notes each start (its
# working folder, one line per run) in runs.txt beside itself, runs for about
# five seconds, then installs (target folder and a stopped MariaDB service) or not.
make_script() {
    local script=$WINE_REPO/build/wine-suite-script.bat
    {
        echo '@echo off'
        echo 'cd>>"%~dp0runs.txt"'
        echo 'ping -n 6 127.0.0.1 >nul'
        if [ "$2" = installs ]; then
            echo "mkdir \"$TARGET_DIR\""
            echo "sc create MariaDB binPath= $TEST_SERVICE >nul"
        fi
        echo "exit /b $1"
    } | sed 's/$/\r/' >"$script"
    echo MariaDB >>"$SERVICES_MADE"
    echo "$script"
}

# The runs.txt of the script in FOLDER, without carriage returns.
script_runs() { tr -d '\r' 2>/dev/null <"$(prefix_path "${1:-$APP_DIR}")/runs.txt"; }
runs_count() { script_runs "$@" | grep -c . ; }

target_clear() { rm -rf "$(prefix_path "$TARGET_DIR")"; }

# expect_box TEXT: the next message box of the program has TEXT, is owned by the
# window and has only an OK button; it is then answered.
expect_box() {
    local box
    box=$(uia msgbox 30000)
    check "message box text" "$(uia_escape "$1")" "$(kv text <<<"$box")"
    check "message box owned by the window" 1 "$(kv owner <<<"$box")"
    check "message box has only OK" OK "$(kv buttons <<<"$box")"
}

# expect_end: after the final message, the window goes and the program ends.
expect_end() {
    check "window gone after the final message" gone "$(window_gone_within 5000)"
    if app_wait_exit 5; then check "program ended" yes yes; else check "program ended" yes no; fi
}

# While the script runs: the wait label shows, and every way of closing or
# clicking is ignored.
check_running_state() {
    check "wait label shown while the script runs" 1 "$(uia wait-visible 103 1 10000 | kv visible)"
    check "install button hidden" "$1" "$(uia visible 101 | kv visible)"
    wine_screenshot "$SCREENSHOTS/$SCENARIO-waiting.png" $(kv window <<<"$WINDOW") &&
        note "screenshot: $SCREENSHOTS/$SCENARIO-waiting.png"
    local action
    for action in "click 101" "click 102" close syscommand-close; do
        uia $action >/dev/null
    done
    check "no message box after clicks during the run" none "$(msgbox_within 300)"
    check "window still open after clicks during the run" "still open" "$(window_gone_within 300)"
    check "wait label still shown" 1 "$(uia visible 103 | kv visible)"
}

scenario_automatic_installs() {
    target_clear
    install_script "$(make_script 5 installs)"
    app_start || return
    check_running_state 0
    expect_box "Datenbank wurde installiert"
    expect_end
    check "script started exactly once" 1 "$(runs_count)"
    check "script ran in the program's folder" 'C:\installer' "$(script_runs | head -n 1)"
    check "target folder made by the script" yes "$([ -d "$(prefix_path "$TARGET_DIR")" ] && echo yes)"
    target_clear
}

scenario_automatic_installs_nothing() {
    target_clear
    install_script "$(make_script 0 nothing)"
    app_start || return
    check "wait label shown while the script runs" 1 "$(uia wait-visible 103 1 10000 | kv visible)"
    expect_box "$NOT_INSTALLED"
    expect_end
    check "script started exactly once" 1 "$(runs_count)"
}

scenario_automatic_without_script() {
    target_clear
    app_start || return
    expect_box 'Datei nicht gefunden: C:\installer\silent-install2.bat'
    expect_box "$NOT_INSTALLED"
    expect_end
}

scenario_button_installs() {
    target_clear
    svc_running MySQL
    install_script "$(make_script 1 installs)"
    app_start || return
    check "no message box before the click" none "$(msgbox_within 1500)"
    uia click 101 >/dev/null
    check_running_state 1
    expect_box "Datenbank ist installiert"
    expect_end
    check "script started exactly once" 1 "$(runs_count)"
    target_clear
}

scenario_button_directory_exists() {
    target_clear
    mkdir -p "$(prefix_path "$TARGET_DIR")"
    svc_running MySQL
    install_script "$(make_script 0 installs)"
    app_start || return
    uia click 101 >/dev/null
    expect_box "$DIRECTORY_EXISTS"
    expect_end
    check "script not started" 0 "$(runs_count)"
    target_clear
}

# program_folder_scenario FOLDER: the automatic road from a folder whose name
# cmd.exe would otherwise split or misread.
program_folder_scenario() {
    target_clear
    app_install "$1"
    install_script "$(make_script 0 installs)" "$1"
    app_start "$1" || return
    expect_box "Datenbank wurde installiert"
    expect_end
    check "script started exactly once" 1 "$(runs_count "$1")"
    check "script ran in the program's folder" "$1" "$(script_runs "$1" | head -n 1)"
    rm -rf "$(prefix_path "$1")"
    target_clear
}

scenario_folder_with_blank() { program_folder_scenario 'C:\Mein Installer'; }
scenario_folder_with_ampersand() { program_folder_scenario 'C:\R&D'; }

# template_scenario PASSWORD PACKAGE|- FINAL_MESSAGE|-: starts the program beside
# the administrators' template, its root password set to PASSWORD, and the stand-in
# package PACKAGE (- for none); with a FINAL_MESSAGE, the automatic road to its end.
template_scenario() {
    target_clear
    echo MariaDB >>"$SERVICES_MADE"
    sed "s/^set \"ROOT_PASSWORD=.*\"/set \"ROOT_PASSWORD=$1\"/" "$WINE_REPO/examples/silent-install2.bat" \
        >"$(prefix_path "$APP_DIR")/silent-install2.bat"
    [ "$2" = - ] || cp "$TOOLS/$2" "$(prefix_path "$APP_DIR")/mariadb-10.1-winx64.msi"
    app_start || return
    [ "$3" = - ] && return
    expect_box "$3"
    expect_end
}

# The package installed into the script's target and started its service.
scenario_template_installs() {
    template_scenario 'demo-Passwort-1' standin-server.msi "Datenbank wurde installiert"
    check "service MariaDB" RUNNING "$(svc_state MariaDB)"
    check "server program in the target folder" yes \
        "$([ -f "$(prefix_path "$TARGET_DIR")/bin/standin-server.exe" ] && echo yes)"
    check "msiexec log beside the script" yes \
        "$(grep -q -a -i 'standin' "$(prefix_path "$APP_DIR")/mariadb-install.log" 2>/dev/null && echo yes)"
    target_clear
}

# template_refuses NAME PASSWORD PACKAGE: the road ends with the failure text and
# nothing is installed.
template_refuses() {
    template_scenario "$1" "$2" "$NOT_INSTALLED"
    check "no service MariaDB" missing "$(svc_state MariaDB)"
    check "no target folder" no "$([ -e "$(prefix_path "$TARGET_DIR")" ] && echo yes || echo no)"
}

# A server present, the user installs anyway, and the package refuses: the
# finding flags still hold the server, but nothing was installed.
scenario_button_failing_package() {
    svc_running MySQL
    template_scenario 'demo-Passwort-1' standin-server-failing.msi - || return
    uia click 101 >/dev/null
    expect_box "$NOT_INSTALLED"
    expect_end
    check "no target folder" no "$([ -e "$(prefix_path "$TARGET_DIR")" ] && echo yes || echo no)"
}

# A second start while the script runs brings the running window forward and
# ends by itself: one window, one run of the script.
scenario_second_start_while_waiting() {
    target_clear
    install_script "$(make_script 0 nothing)"
    app_start || return
    check "wait label shown while the script runs" 1 "$(uia wait-visible 103 1 10000 | kv visible)"
    (cd "$WINEPREFIX/drive_c" && timeout 20 "$WINELOADER" 'C:\installer\mariadb-installer.exe')
    check "second start ended by itself, exit code" 0 "$?"
    check "one window" 1 "$(uia count-windows | kv count)"
    expect_box "$NOT_INSTALLED"
    expect_end
    check "script started exactly once" 1 "$(runs_count)"
}

scenario_template_as_shipped() { template_refuses '' standin-server.msi; }
scenario_template_without_package() { template_refuses 'demo-Passwort-1' -; }
scenario_template_failing_package() { template_refuses 'demo-Passwort-1' standin-server-failing.msi; }

run_install_roads() {
    run_scenario automatic-installs scenario_automatic_installs
    run_scenario automatic-installs-nothing scenario_automatic_installs_nothing
    run_scenario automatic-without-script scenario_automatic_without_script
    run_scenario button-installs scenario_button_installs
    run_scenario button-directory-exists scenario_button_directory_exists
    run_scenario folder-with-blank scenario_folder_with_blank
    run_scenario folder-with-ampersand scenario_folder_with_ampersand
    run_scenario template-installs scenario_template_installs
    run_scenario template-as-shipped scenario_template_as_shipped
    run_scenario template-without-package scenario_template_without_package
    run_scenario template-failing-package scenario_template_failing_package
    run_scenario button-failing-package scenario_button_failing_package
    run_scenario second-start-while-waiting scenario_second_start_while_waiting
}
