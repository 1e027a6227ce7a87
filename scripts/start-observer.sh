# Watches the installer on the virtual display from outside, as its user would:
# prints the verdict and each message box, answers the boxes, presses "Schließen"
# when the window waits for the user, and saves a screenshot at each step.
# Sourced by start.sh after wine-env.sh; uses its fail, root and tools.

# Label4's text at start, from the layout table (src/window/layout.h).
START_TEXT="MySQL ist schon installiert, und der Dienst läuft"
ID_CMD_INSTALL=101 ID_CMD_ABBRUCH=102 ID_LABEL3=103 ID_LABEL4=105
program_pid=''
program_out=$root/build/start-launch.out  # what the launcher says of the program's end
shot=0

# uia COMMAND ARGS...: the tool's findings, and its exit code.
uia() {
    local out rc
    out=$(wine_run "$tools/uia.exe" "$@" 2>/dev/null)
    rc=$?
    printf '%s\n' "${out//$'\r'/}"
    return "$rc"
}
kv() { sed -n "s/^$1=//p" | head -n 1; }
program_alive() { ps -o stat= -p "$program_pid" 2>/dev/null | grep -qv Z; }

screenshot() {
    shot=$((shot + 1))
    wine_screenshot "$root/build/screenshots/start-$shot.png" &&
        echo "    screenshot: build/screenshots/start-$shot.png"
}

# What an exit code of the program says, as software distribution reads it.
exit_code_meaning() {
    case $1 in
        0) echo "installed" ;;
        3010 | 1641) echo "installed, Windows must restart" ;;
        1602) echo "closed without installing" ;;
        1618) echo "another copy is running" ;;
        1638) echo "a server is present" ;;
        *) echo "not installed" ;;
    esac
}

# Waits for the program to end after its window has closed.
program_end() {
    local _
    for _ in $(seq 100); do program_alive || break; sleep 0.1; done
    program_alive && fail "the program did not end after its window closed"
    wait "$program_pid"
    report_exit
}

# Prints how the program ended; fails unless it ended with one of its own exit
# codes (a crash ends it with an exception code, 0xC0000000 or above).
report_exit() {
    local code
    code=$(sed -n 's/^exit_code=//p' "$program_out" | tr -d '\r')
    [ -n "$code" ] || fail "the program's exit code could not be read"
    [ "$code" -lt $((0xC0000000)) ] || fail "the program crashed (exit code $(printf '0x%X' "$code"))"
    echo "--- the program has ended (exit code $code: $(exit_code_meaning "$code"))"
}

# True when a message box was open: its text is printed, then it is answered.
answer_box() {
    local box
    box=$(uia msgbox-peek 0) || return 1
    echo "--- message box: $(kv text <<<"$box")"
    screenshot
    uia msgbox 2000 >/dev/null || fail "the message box could not be answered"
    echo "    [OK pressed]"
}

# The first scan's verdict in Label4, or the message box of a failed scan. The
# rescan after the script may replace the verdict within a second, so the tool
# watches the label itself.
await_verdict() {
    local seen
    seen=$(uia wait-change "$ID_LABEL4" "$START_TEXT" 120000) || fail "no verdict within 120 s"
    if [ "$(kv msgbox <<<"$seen")" = 1 ]; then
        answer_box
    else
        echo "--- verdict: $(kv text <<<"$seen")"
        screenshot
    fi
}

visible() { [ "$(uia visible "$1" | kv visible)" = 1 ]; }

# After the verdict: the installation with its messages, or the window waiting
# for the user, until the window has gone.
follow_to_end() {
    local deadline=$((SECONDS + 600)) wait_label_seen=0
    while [ "$SECONDS" -lt "$deadline" ]; do
        [ "$(uia wait-gone 0 | kv gone)" = 1 ] && return
        answer_box && continue
        if visible "$ID_LABEL3"; then
            [ "$wait_label_seen" -eq 1 ] || { echo "--- bitte warten ...: the installation script runs"; screenshot; }
            wait_label_seen=1
        elif visible "$ID_CMD_INSTALL" && uia no-msgbox 1000 >/dev/null && visible "$ID_CMD_INSTALL"; then
            echo "--- a server is present: the window waits for the user; pressing \"Schließen\""
            uia click "$ID_CMD_ABBRUCH" >/dev/null || fail "\"Schließen\" could not be pressed"
        fi
        sleep 0.2
    done
    fail "the window was still open after 600 s"
}

# observe_program PROGRAM: starts it and follows it to its end.
observe_program() {
    rm -f "$root"/build/screenshots/start-*.png
    wine_run "$tools/launch.exe" 3600000 "$1" >"$program_out" &
    program_pid=$!
    if ! uia wait-window 20000 >/dev/null; then
        program_alive || program_end
        fail "the window did not appear within 20 s"
    fi
    echo "--- the window \"MariaDB-Installer\" is shown"
    await_verdict
    follow_to_end
    program_end
}
