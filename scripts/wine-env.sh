# Wine settings for running the 64-bit program: the 64-bit loader, quiet logs,
# and no Mono or Gecko prompts. Source it from bash, then call wine_session_start
# PREFIX: every user of Wine here (start command, test suite, benchmark) has a
# prefix of its own below build/.
WINE_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# Wine turns the command line into UTF-16 by the Unix locale.
export LANG=${LANG:-C.UTF-8}
WINE_XVFB_PID=

# wine_run PROGRAM ARGS...: one Wine process. With WINE_TRACE set, its stderr
# and exit status are also appended there, so a start that failed says why.
wine_run() {
    [ -n "${WINE_TRACE:-}" ] || { "$WINELOADER" "$@"; return; }
    local err status
    err=$(mktemp)
    "$WINELOADER" "$@" 2>"$err"
    status=$?
    wine_trace_add "$status" "$err" "$@"
    cat "$err" >&2
    rm -f "$err"
    return "$status"
}

# wine_trace_add STATUS ERRFILE COMMAND...: one process's entry in WINE_TRACE.
wine_trace_add() {
    local status=$1 err=$2
    shift 2
    {
        echo "[$(date +%T)] ${SCENARIO:-suite}: $* -> exit status $status"
        sed 's/^/    /' "$err"
    } >>"$WINE_TRACE"
}

# wine_session_start PREFIX: the display first (a session started without one
# never shows its windows), then a fresh server for the prefix (one from before
# may be bound to another display), then the prefix itself.
wine_session_start() {
    export WINEPREFIX=$1
    wine_display_ensure || return 1
    wine_stop
    wine_prefix_ensure
}

# Makes the prefix once and keeps a wineserver running. A new prefix's first
# boot must end before the session is used, or a second service manager starts
# beside the first. Every time it sets 96 DPI for the user too (a new prefix has
# it only machine-wide) and lets Wine draw the windows' frames itself: without a
# window manager, hiding a window would otherwise stall for two seconds, and
# screenshots would lack the title bar.
wine_prefix_ensure() {
    wine_display_usable || { echo "no display for the Wine session of $WINEPREFIX" >&2; return 1; }
    [ -f "$WINEPREFIX/$WINE_PREFIX_MADE" ] || wine_prefix_make || return 1
    "$WINESERVER" -p 2>/dev/null || true  # keeps a server running; one may already be
    local settings=$WINEPREFIX/drive_c/wine-env-settings.reg
    cat >"$settings" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Control Panel\Desktop]
"LogPixels"=dword:00000060

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
REG
    # A process start fails now and then on a loaded machine: tried three times.
    local attempt status=0
    for attempt in 1 2 3; do
        wine_run regedit /S 'C:\wine-env-settings.reg' >/dev/null 2>&1 && return 0
        status=$?
        sleep 1
    done
    echo "regedit could not apply the session's settings to $WINEPREFIX (exit code $status)" >&2
    return 1
}

# Written into a prefix once wineboot has made it completely.
WINE_PREFIX_MADE=.prefix-made

# Makes the prefix anew. A first boot fails now and then on a fresh machine: the
# half-made prefix is removed and the boot tried once more; when that fails too,
# Wine's own last lines (with its error channel on) say why.
wine_prefix_make() {
    local attempt log=$WINEPREFIX.wineboot.log
    for attempt in 1 2; do
        wine_stop
        rm -rf "$WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        if [ "$attempt" -eq 1 ]; then
            wine_run wineboot -i >"$log" 2>&1
        else
            WINEDEBUG=err+all,fixme-all wine_run wineboot -i >"$log" 2>&1
        fi && timeout 120 "$WINESERVER" -w && [ -d "$WINEPREFIX/drive_c/windows/system32" ] &&
            { touch "$WINEPREFIX/$WINE_PREFIX_MADE"; rm -f "$log"; return 0; }
        echo "wineboot -i failed for $WINEPREFIX (attempt $attempt of 2)" >&2
    done
    echo "Wine's last lines ($log):" >&2
    tail -n 20 "$log" | sed 's/^/    /' >&2
    return 1
}

wine_display_usable() { [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; }

# Starts Xvfb unless DISPLAY already works. Xvfb picks a free display number
# itself and tells it (-displayfd): two runs on one machine that both found a
# number free would otherwise share one Xvfb, and lose it when the other ends.
wine_display_ensure() {
    wine_display_usable && return 0
    local number_file number='' _
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    WINE_XVFB_PID=$!
    for _ in $(seq 100); do
        number=$(head -n 1 "$number_file")
        [ -n "$number" ] && break
        kill -0 "$WINE_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$number_file"
    export DISPLAY=:$number
    [ -n "$number" ] && wine_display_usable && return 0
    wine_display_stop
    echo "could not start Xvfb" >&2
    return 1
}

wine_display_stop() {
    [ -n "$WINE_XVFB_PID" ] || return 0
    kill "$WINE_XVFB_PID" 2>/dev/null
    wait "$WINE_XVFB_PID" 2>/dev/null
    WINE_XVFB_PID=
}

# wine_screenshot OUT.png [X Y W H]: the screen, or the rectangle in screen pixels.
wine_screenshot() {
    local out=$1
    mkdir -p "$(dirname "$out")"
    if [ $# -ge 5 ]; then
        import -display "$DISPLAY" -window root -crop "${4}x${5}+${2}+${3}" +repage "$out"
    else
        import -display "$DISPLAY" -window root "$out"
    fi
}

wine_stop() { "$WINESERVER" -k 2>/dev/null || true; "$WINESERVER" -w 2>/dev/null || true; }
