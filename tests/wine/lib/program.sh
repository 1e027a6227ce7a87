# The installer under Wine: the suite's prefix and session, installing, starting
# and driving the program from outside, and cleaning up after it. Sourced by run.sh.
source "$WINE_TESTS/../../scripts/wine-env.sh"
# The suite's own prefix, made anew for every run: nothing that a cut-off run
# left behind (services, installed packages, folders) reaches the next one.
export WINEPREFIX=$WINE_REPO/build/wineprefix-tests

PROGRAM=${WINE_TEST_PROGRAM:-$WINE_REPO/build/win64/mariadb-installer.exe}
TOOLS=${WINE_TEST_TOOLS:-$WINE_REPO/build/win64/tools}
SCREENSHOTS=$WINE_REPO/build/screenshots
APP_DIR='C:\installer'
UIA_ERR=$WINE_REPO/build/wine-suite-uia.err
APP_OUT=$WINE_REPO/build/wine-suite-launch.out
# Every Wine process the suite starts, with its stderr and exit status.
export WINE_TRACE=$WINE_REPO/build/wine-suite-processes.log
# Starts that never ran and were made again, one line each.
RETRIES=$WINE_REPO/build/wine-suite-retries.log
APP_PID='' APP_EXIT='' HOLD_PID=''

# Text in the escaped form uia prints and expects.
uia_escape() {
    local text=${1//\\/\\\\}
    text=${text//$'\t'/\\t}
    text=${text//$'\r'/\\r}
    printf '%s' "${text//$'\n'/\\n}"
}

# uia COMMAND ARGS...: the tool's findings on stdout, its complaints as comments.
# uia says something on every way it ends but success; a failure without a word
# on either stream is a start that never ran, made again twice at most.
uia() {
    local rc out attempt
    for attempt in 1 2 3; do
        out=$(wine_run "$TOOLS/uia.exe" "$@" 2>"$UIA_ERR")
        rc=$?
        [ "$rc" = 0 ] || [ -n "$out" ] || [ -s "$UIA_ERR" ] || [ "$attempt" = 3 ] && break
        echo "${SCENARIO:-suite}: uia $* ended with $rc and never said a word; again" |
            tee -a "$RETRIES" | sed 's/^/# retry: /' >&2
    done
    [ -n "$out" ] && printf '%s\n' "${out//$'\r'/}"
    [ -s "$UIA_ERR" ] && sed 's/^/# /' "$UIA_ERR" >&2
    return "$rc"
}

# msgbox_within MS: "none", or the text of the program's message box that appeared.
msgbox_within() {
    local out
    out=$(uia no-msgbox "$1")
    case $(kv msgbox <<<"$out") in
        0) echo none ;;
        1) echo "message box: $(kv text <<<"$out")" ;;
        *) echo "uia failed" ;;
    esac
}

# window_gone_within MS: "gone", "still open", or the message box that opened instead.
window_gone_within() {
    local out
    out=$(uia wait-gone "$1")
    if [ "$(kv gone <<<"$out")" = 1 ]; then echo gone
    elif grep -q '^msgbox_text=' <<<"$out"; then echo "message box: $(kv msgbox_text <<<"$out")"
    elif [ "$(kv gone <<<"$out")" = 0 ]; then echo "still open"
    else echo "uia failed"; fi
}

# screen_dpi DPI: the user's dots per inch, taken up by every program started afterwards.
screen_dpi() {
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"LogPixels"=dword:%08x\r\n' "$1" \
        >"$WINEPREFIX/drive_c/suite-dpi.reg"
    wine_run regedit /S 'C:\suite-dpi.reg' >/dev/null 2>&1
}

# The Unix path of a folder on drive C: of the prefix.
prefix_path() {
    local path=${1#[Cc]:\\}
    echo "$WINEPREFIX/drive_c/${path//\\//}"
}

# app_install [FOLDER]: the program, alone, in a fresh folder.
app_install() {
    local dir
    dir=$(prefix_path "${1:-$APP_DIR}")
    rm -rf "$dir" && mkdir -p "$dir" && cp "$PROGRAM" "$dir/mariadb-installer.exe"
}

# install_script FILE [FOLDER]: FILE as the install script beside the program.
install_script() { cp "$1" "$(prefix_path "${2:-$APP_DIR}")/silent-install2.bat"; }

# launched [--unseen|--hidden] TIMEOUT_MS PROGRAM: launch.exe's report (see
# there), run from drive C:. Wine fails a process start now and then on a
# loaded machine: a start that never ran (launch.exe not started, or its
# CreateProcess failed; no started= line) is made again, twice at most, and
# said; a program that ran is never started again, so a real fault still fails.
launched() {
    local attempt out error err status
    err=$(mktemp)
    for attempt in 1 2 3; do
        # stderr passed on as it comes (a scenario may read Wine's trace live)
        out=$(cd "$WINEPREFIX/drive_c" && "$WINELOADER" "$TOOLS/launch.exe" "$@" 2> >(tee "$err" >&2))
        status=$?
        wine_trace_add "$status" "$err" launch.exe "$@"
        out=${out//$'\r'/}
        grep -qx 'started=1' <<<"$out" && break
        error=$(kv start_error <<<"$out")
        error=${error:+CreateProcess error $error}
        error=${error:-$(tail -n 1 "$err")}
        [ "$attempt" -lt 3 ] || break
        echo "${SCENARIO:-suite}: start $attempt of $* never ran (${error:-no output}); again" |
            tee -a "$RETRIES" | sed 's/^/# retry: /' >&2
    done
    rm -f "$err"
    printf '%s\n' "$out"
}

# app_start [FOLDER]: starts the program in the background, from another working
# folder, through the launcher that reports its whole exit code, and waits for
# its window; the window facts are left in WINDOW. Its output goes to APP_LOG
# when that is set, with Wine's debug channels APP_WINEDEBUG.
app_start() {
    local exe="${1:-$APP_DIR}\\mariadb-installer.exe"
    rm -f "$APP_OUT"
    (WINEDEBUG=${APP_WINEDEBUG:-$WINEDEBUG} launched 600000 "$exe" \
        2>>"${APP_LOG:-$WINE_REPO/build/wine-suite-app.log}" >"$APP_OUT") &
    APP_PID=$! APP_EXIT=''
    WINDOW=$(uia wait-window 15000)
    check "window shown" "$(expected_text kTitle)" "$(kv title <<<"$WINDOW")"
    [ -n "$(kv hwnd <<<"$WINDOW")" ] && return 0
    if app_alive; then note "the program is still running"
    elif app_wait_exit 0; then note "the program ended with exit code $APP_EXIT"; fi
    return 1
}

app_alive() { [ -n "$APP_PID" ] && ps -o stat= -p "$APP_PID" | grep -qv Z; }

# app_wait_exit SECONDS: true when the program ended in time; its whole exit
# code in APP_EXIT, as the launcher read it.
app_wait_exit() {
    wait_for "$1" '! app_alive' || return 1
    wait "$APP_PID"
    APP_EXIT=$(kv exit_code <"$APP_OUT")
    APP_PID=
}

app_kill() {
    [ -n "$APP_PID" ] || return 0
    app_alive && kill -KILL "$APP_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
    APP_PID=
}

# Wine processes of this prefix that the suite did not mean to leave running:
# anything but Wine's own system processes, the test services (also as installed
# by the stand-in package) and the holder.
stray_pids() {
    local proc pid command
    for proc in /proc/[0-9]*; do
        pid=${proc#/proc/}
        [ "$pid" = "$HOLD_PID" ] && continue
        case $(readlink "$proc/exe" 2>/dev/null) in /usr/lib/wine/wine64*) ;; *) continue ;; esac
        tr '\0' '\n' 2>/dev/null <"$proc/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
        command=$(tr '\0' ' ' 2>/dev/null <"$proc/cmdline")
        [[ ${command,,} =~ \\system32\\(services|winedevice|explorer|plugplay|svchost|rpcss|conhost)\.exe ]] ||
            [[ $command == *test-service.exe* || $command == *standin-server.exe* ]] || echo "$pid"
    done
}

stray_kill() {
    local pid
    for pid in $(stray_pids); do
        note "killing stray process $pid: $(tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline")"
        kill -KILL "$pid" 2>/dev/null
    done
}

# Leaves the prefix as a scenario found it: no program, no stray process, no
# test service, no read-only program folder, no listening socket.
scenario_cleanup() {
    chattr -i "$(prefix_path "$APP_DIR")" 2>/dev/null
    listeners_stop
    app_kill
    stray_kill
    svc_clear
}

# Checks the build, a display and the prefix, and keeps the Wine session alive.
suite_start() {
    local file missing=0
    for file in "$PROGRAM" "$(dirname "$PROGRAM")/mariadb-kit.exe" "$TOOLS/uia.exe" \
        "$TOOLS/launch.exe" "$TOOLS/test-service.exe" "$TOOLS/acl.exe" \
        "$TOOLS/standin-server.msi" "$TOOLS/standin-server-32.msi"; do
        [ -f "$file" ] || { echo "missing: $file" >&2; missing=1; }
    done
    if [ "$missing" -ne 0 ]; then
        echo "build first: cmake --preset win64 && cmake --build --preset win64" >&2
        exit 2
    fi
    wine_stop  # a cut-off run's server may still hold the old prefix
    chattr -i "$(prefix_path "$APP_DIR")" 2>/dev/null  # a cut-off run's read-only folder
    rm -rf "$WINEPREFIX"
    rm -f "$WINE_TRACE" "$RETRIES"
    wine_session_start "$WINEPREFIX" || exit 2
    wine_trace_version_note
    mkdir -p "$(prefix_path 'C:\tools')" "$SCREENSHOTS"
    cp "$TOOLS/test-service.exe" "$(prefix_path 'C:\tools')/"
    "$WINELOADER" "$TOOLS/uia.exe" hold 3600000 >/dev/null 2>&1 &
    HOLD_PID=$!
    trap suite_end EXIT
}

suite_end() {
    trap - EXIT
    scenario_cleanup
    wine_stop
    HOLD_PID=
    wine_display_stop
    note "starts made again: $(cat "$RETRIES" 2>/dev/null | wc -l) (each Wine process in $WINE_TRACE)"
}

# The text Label4 settles on, and that no message box comes with it.
expect_verdict() {
    check "Label4 text" "$1" "$(uia wait-text 105 "$(uia_escape "$1")" 10000 | kv text)"
    check "no message box" none "$(msgbox_within 1000)"
}

screenshot() {
    local out=$SCREENSHOTS/$SCENARIO.png
    # shellcheck disable=SC2046  # x y w h as four words
    wine_screenshot "$out" $(kv window <<<"$WINDOW") && note "screenshot: $out"
}

# close_by UIA-COMMAND...: the window goes, with no message box, and the program
# ends as closed by the user without an installation.
close_by() {
    check "$* accepted" 0 "$(uia "$@" >/dev/null; echo $?)"
    check "window gone after $*, no message box" gone "$(window_gone_within 5000)"
    expect_exit_code 1602
}

# expect_exit_code CODE: the program ends within five seconds with CODE.
expect_exit_code() {
    if app_wait_exit 5; then
        check "program ended, exit code" "$1" "$APP_EXIT"
    else
        check "program ended, exit code" "$1" "still running$(uia msgbox-peek 0 | kv text | sed 's/^./, box: &/')"
    fi
}

# expect_box TEXT: the next message box of the program has TEXT, is owned by the
# window and has only an OK button; it is then answered.
expect_box() {
    local box
    box=$(uia msgbox 30000)
    check "message box text" "$(uia_escape "$1")" "$(kv text <<<"$box")"
    check "message box owned by the window" 1 "$(kv owner <<<"$box")"
    check "message box has only OK" OK "$(kv buttons <<<"$box")"
}

# expect_end CODE: after the final message, the window goes and the program ends with CODE.
expect_end() {
    check "window gone after the final message" gone "$(window_gone_within 5000)"
    expect_exit_code "$1"
}
