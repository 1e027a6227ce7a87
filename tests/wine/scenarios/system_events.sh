# Scenarios of what the system does around the program during a rollout: a start
# asked to be hidden, a copy started by another account, the end of the session,
# and a script that hands its work to a program it starts. Sourced by run.sh
# after unseen.sh.

RUNNING_COPY_NAME='Global\MariaDB-Installer.RunningCopy'

# launched_exit [OPTION]: the program's whole exit code through the launcher.
launched_exit() {
    launched "$@" 20000 "$APP_DIR\\mariadb-installer.exe" 2>/dev/null | kv exit_code
}

# A launcher that asks for the window hidden: nobody sees it, so a server
# present ends the program at once without a box.
scenario_hidden_start() {
    target_clear
    svc_running MySQL
    install_script "$(make_script 0 installs)"
    check "exit code" 1638 "$(launched_exit --hidden)"
    check "script not started" 0 "$(runs_count)"
}

# hold_name UIA-COMMAND: the single-instance name held by a helper until it is killed.
hold_name() {
    local out=$WINE_REPO/build/wine-suite-holder.out
    rm -f "$out"
    "$WINELOADER" "$TOOLS/uia.exe" "$1" "$RUNNING_COPY_NAME" 60000 >"$out" 2>&1 &
    HOLDER_PID=$!
    wait_for 10 "grep -q held=1 '$out'"
    check "name held by the helper ($1)" 1 "$(tr -d '\r' <"$out" | kv held)"
}

holder_end() { kill "$HOLDER_PID" 2>/dev/null; wait "$HOLDER_PID" 2>/dev/null; }

# A copy of another account holds the name, open to this one or not: the start
# ends with 1618 and runs nothing.
scenario_copy_of_another_account() {
    target_clear
    install_script "$(make_script 0 installs)"
    local holder
    for holder in hold-mutex hold-closed-mutex; do
        hold_name "$holder"
        check "exit code beside $holder" 1618 "$(launched_exit)"
        holder_end
    done
    check "script not started" 0 "$(runs_count)"
}

# A script that hands its work to a program it starts and ends at once, as cmd
# does when its console is closed under a running msiexec: the program waits
# for that work and reports what the rescan finds after it.
scenario_script_hands_work_on() {
    target_clear
    local folder
    folder=$(prefix_path "$APP_DIR")
    {
        echo '@echo off'
        echo 'ping -n 6 127.0.0.1 >nul'
        echo "mkdir \"$TARGET_DIR\""
        echo "sc create MariaDB binPath= $TEST_SERVICE >nul"
    } | sed 's/$/\r/' >"$folder/later.bat"
    printf '@echo off\r\nstart "" /min "%%~dp0later.bat"\r\nexit /b 0\r\n' \
        >"$folder/silent-install2.bat"
    echo MariaDB >>"$SERVICES_MADE"
    app_start || return
    check "wait label shown while the work runs" 1 "$(uia wait-visible 103 1 10000 | kv visible)"
    expect_box "$INSTALLED_AUTOMATICALLY"
    expect_end 0
    target_clear
}

# end_session: the end of the session as Wine's wineboot asks for it; 1 when a
# program refused. Its output goes to the app log.
end_session() {
    wine_run wineboot --end-session >>"$WINE_REPO/build/wine-suite-app.log" 2>&1
    echo $?
}

# While the script runs, the session is asked to wait: the program goes on and
# reports the outcome. A session that ends all the same ends it with 1603.
scenario_session_end_while_waiting() {
    target_clear
    install_script "$(make_script 0 installs 6)"
    app_start || return
    check "wait label shown while the script runs" 1 "$(uia wait-visible 103 1 10000 | kv visible)"
    check "end of the session refused" 1 "$(end_session)"
    check "window still open after the session was asked to end" 1 "$(uia count-windows | kv count)"
    check "critical end of the session accepted" 1 "$(uia query-critical-end | kv answer)"
    expect_box "$INSTALLED_AUTOMATICALLY"
    expect_end 0
    svc_clear
    target_clear
    install_script "$(make_script 0 nothing 6)"
    app_start || return
    check "wait label shown while the script runs" 1 "$(uia wait-visible 103 1 10000 | kv visible)"
    check "program ended by the forced end of the session" 1 "$(uia end-session | kv ended)"
    # The launcher's output pipe is shared with the script, which runs on.
    app_wait_exit 15
    check "exit code" 1603 "${APP_EXIT:-still running}"
}

# Before an installation road, the session may end: closed without installing;
# and while a script that is missing is reported: the road's failure.
scenario_session_end_before_a_road() {
    target_clear
    svc_running MySQL
    app_start || return
    expect_verdict "$MYSQL_RUNNING"
    check "end of the session accepted" 0 "$(end_session)"
    expect_exit_code 1602
    svc_clear
    app_start || return
    check "missing script reported" "$(uia_escape "${FILE_NOT_FOUND}C:\\installer\\silent-install2.bat")" \
        "$(uia msgbox-peek 10000 | kv text)"
    check "end of the session accepted while it is shown" 0 "$(end_session)"
    expect_exit_code 1603
}

EVENT_SOURCE_KEY='HKLM\SYSTEM\CurrentControlSet\Services\EventLog\Application\MariaDB-Installer'
EVENT_LOG=$WINE_REPO/build/wine-suite-events.log

# The events the program wrote: "TYPE ID TEXT" a line (lib/wine_trace.sh).
written_events() { trace_events "$EVENT_LOG"; }

event_message_file() {
    wine_run reg query "$EVENT_SOURCE_KEY" /v EventMessageFile 2>/dev/null | tr -d '\r' |
        sed -n 's/^ *EventMessageFile *REG_EXPAND_SZ *//p'
}

# One event per run, in the Application log: an installed run seen, a server
# found by a run nobody sees; the source registered once, where the message
# file of .NET's EventLog is, and an existing registration left alone.
scenario_run_event() {
    target_clear
    local framework
    framework=$(prefix_path 'C:\windows\Microsoft.NET\Framework64\v4.0.30319')
    mkdir -p "$framework" && touch "$framework/EventLogMessages.dll"
    install_script "$(make_script 0 installs 1)"
    rm -f "$EVENT_LOG"
    APP_LOG=$EVENT_LOG APP_WINEDEBUG=$TRACE_EVENTS app_start || return
    expect_box "$INSTALLED_AUTOMATICALLY"
    expect_end 0
    check "installed: one event, Information, ID 0" "0x0004 0x00000000 $(uia_escape "$INSTALLED_AUTOMATICALLY
Exit-Code: 0
Exit-Code von silent-install2.bat: 0
Fenster sichtbar: ja
Ordner des Programms: $APP_DIR" | sed 's/\\n/\\r\\n/g')" "$(written_events)"
    check "source registered with the framework's message file" \
        '%SystemRoot%\Microsoft.NET\Framework64\v4.0.30319\EventLogMessages.dll' "$(event_message_file)"
    wine_run reg add "$EVENT_SOURCE_KEY" /v EventMessageFile /t REG_EXPAND_SZ /d 'kept' /f >/dev/null 2>&1
    svc_clear
    target_clear
    svc_running MySQL
    rm -f "$EVENT_LOG"
    check "server present, nobody sees it: exit code" 1638 "$(WINEDEBUG=$TRACE_EVENTS \
        launched --hidden 20000 "$APP_DIR\\mariadb-installer.exe" 2>"$EVENT_LOG" | kv exit_code)"
    check "server present: one event, Warning, ID 1638, the server named" \
        "0x0002 0x00000666 $(uia_escape "$SERVER_PRESENT_UNSEEN$MYSQL_RUNNING")\\r\\nExit-Code: 1638" \
        "$(written_events | sed 's/\(Exit-Code: [0-9]*\).*/\1/')"
    check "an existing registration left alone" kept "$(event_message_file)"
    wine_run reg delete "$EVENT_SOURCE_KEY" /f >/dev/null 2>&1
    rm -rf "$framework"
}
