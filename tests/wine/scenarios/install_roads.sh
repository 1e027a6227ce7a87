# Scenarios of the two install roads with real batch scripts of the suite's own
# beside the program, of the program's folder, of requests to quit, and of a
# second start while the script runs. Sourced by run.sh after the lib/ parts.

TARGET_DIR='c:\Program Files\MariaDB 10.1'

# make_script EXIT_CODE installs|nothing [SECONDS]: a script that notes each
# start (its working folder, one line per run) in runs.txt beside itself, runs
# for about SECONDS (five unless given), then installs (target folder and a
# stopped MariaDB service) or not.
make_script() {
    local script=$WINE_REPO/build/wine-suite-script.bat
    {
        echo '@echo off'
        echo 'cd>>"%~dp0runs.txt"'
        echo "ping -n $((${3:-5} + 1)) 127.0.0.1 >nul"
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
    expect_box "$INSTALLED_AUTOMATICALLY"
    expect_end 0
    check "script started exactly once" 1 "$(runs_count)"
    check "script ran in the program's folder" 'C:\installer' "$(script_runs | head -n 1)"
    check "target folder made by the script" yes "$([ -d "$(prefix_path "$TARGET_DIR")" ] && echo yes)"
    target_clear
}

# A script that installs nothing fails the road, even when it asks for a
# restart: a success code would hide the failure from software distribution.
scenario_automatic_installs_nothing() {
    target_clear
    install_script "$(make_script 3010 nothing)"
    app_start || return
    check "wait label shown while the script runs" 1 "$(uia wait-visible 103 1 10000 | kv visible)"
    expect_box "$NOT_INSTALLED"
    expect_end 1603
    check "script started exactly once" 1 "$(runs_count)"
}

# No script beside the program, and then a folder of its name, which is no
# script either: the real CreateFileW will not open a folder.
scenario_automatic_without_script() {
    local folder
    for folder in no yes; do
        target_clear
        [ "$folder" = yes ] && mkdir "$(prefix_path "$APP_DIR")/silent-install2.bat"
        app_start || return
        expect_box "${FILE_NOT_FOUND}C:\\installer\\silent-install2.bat"
        expect_box "$NOT_INSTALLED"
        expect_end 1603
    done
}

scenario_button_installs() {
    target_clear
    svc_running MySQL
    install_script "$(make_script 0 installs)"
    app_start || return
    check "no message box before the click" none "$(msgbox_within 1500)"
    uia click 101 >/dev/null
    check_running_state 1
    expect_box "$INSTALLED_ON_REQUEST"
    expect_end 0
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
    expect_end 1603
    check "script not started" 0 "$(runs_count)"
    target_clear
}

# program_folder_scenario FOLDER SCRIPT_CODE: the automatic road from a folder
# whose name cmd.exe would otherwise split or misread, with a script that
# installs and ends with SCRIPT_CODE.
program_folder_scenario() {
    target_clear
    app_install "$1"
    install_script "$(make_script "$2" installs)" "$1"
    app_start "$1" || return
    expect_box "$INSTALLED_AUTOMATICALLY"
    expect_end "$3"
    check "script started exactly once" 1 "$(runs_count "$1")"
    check "script ran in the program's folder" "$1" "$(script_runs "$1" | head -n 1)"
    rm -rf "$(prefix_path "$1")"
    target_clear
}

scenario_folder_with_blank() { program_folder_scenario 'C:\Mein Installer' 0 0; }

# The script's request for a restart is passed on.
scenario_folder_with_ampersand() { program_folder_scenario 'C:\R&D' 3010 3010; }

# A request to quit during the wait is held: the window stays drawn and answers
# (longer than the tool waits for an answer), the script is awaited, the final
# message is seen, and the program then ends with the outcome's code, never
# with the one the request carried.
scenario_quit_while_waiting() {
    target_clear
    install_script "$(make_script 0 nothing 12)"
    app_start || return
    check "wait label shown while the script runs" 1 "$(uia wait-visible 103 1 10000 | kv visible)"
    check "quit request posted" WM_QUIT "$(uia post-quit 7 | kv posted)"
    check "no message box after the quit request" none "$(msgbox_within 1000)"
    check "window answers while the quit is held" 20 "$(uia ping 20 | kv count)"
    check "wait label still shown" 1 "$(uia visible 103 | kv visible)"
    expect_box "$NOT_INSTALLED"
    expect_end 1603
    check "script started exactly once" 1 "$(runs_count)"
}

# A request to quit while a message box is open: the box stays until it is
# answered, the road goes on, and the program then ends with its outcome's code.
scenario_quit_during_message_box() {
    target_clear
    app_start || return
    check "first box open" "$(uia_escape "${FILE_NOT_FOUND}C:\installer\silent-install2.bat")" \
        "$(uia msgbox-peek 10000 | kv text)"
    check "quit request posted" WM_QUIT "$(uia post-quit 9 | kv posted)"
    sleep 1
    check "window still open after the quit request" 1 "$(uia count-windows | kv count)"
    expect_box "${FILE_NOT_FOUND}C:\installer\silent-install2.bat"
    expect_box "$NOT_INSTALLED"
    expect_end 1603
}

# A request to quit while the window waits for the user closes it at once, as
# if the user had closed it, and the run's one event says who closed it.
scenario_quit_while_waiting_for_the_user() {
    target_clear
    svc_running MySQL
    rm -f "$EVENT_LOG"
    APP_LOG=$EVENT_LOG APP_WINEDEBUG=$TRACE_EVENTS app_start || return
    expect_verdict "$MYSQL_RUNNING"
    check "quit request posted" WM_QUIT "$(uia post-quit 7 | kv posted)"
    check "window gone after the quit request, no message box" gone "$(window_gone_within 5000)"
    expect_exit_code 1602
    check "one event, Warning, ID 1602, the quit named" "0x0002 0x00000642 $(uia_escape "$QUIT_FROM_OUTSIDE $MYSQL_RUNNING
Exit-Code: 1602
Fenster sichtbar: ja
Ordner des Programms: $APP_DIR" | sed 's/\\n/\\r\\n/g; s/ß/\\00df/g')" "$(written_events)"
}

# A second start while the script runs brings the running window forward and
# ends by itself: one window, one run of the script.

scenario_second_start_while_waiting() {
    target_clear
    install_script "$(make_script 0 nothing)"
    app_start || return
    check "wait label shown while the script runs" 1 "$(uia wait-visible 103 1 10000 | kv visible)"
    check "second start ended by itself, exit code" 1618 \
        "$(launched 20000 'C:\installer\mariadb-installer.exe' | kv exit_code)"
    check "one window" 1 "$(uia count-windows | kv count)"
    expect_box "$NOT_INSTALLED"
    expect_end 1603
    check "script started exactly once" 1 "$(runs_count)"
}
