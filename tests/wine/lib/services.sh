# Services made from the test service with Wine's sc.exe, and removed again.
# Sourced by run.sh after program.sh.

# Services the suite made, removed after each scenario.
SERVICES_MADE=$WINEPREFIX/suite-services.txt
TEST_SERVICE='C:\tools\test-service.exe'

sc() { wine_run sc "$@" 2>&1 | tr -d '\r'; }

# The state word of a service (RUNNING, STOPPED, ...), or "missing".
svc_state() {
    local state
    state=$(sc query "$1" | sed -n 's/^ *STATE *: *[0-9]* *//p')
    echo "${state:-missing}"
}

# svc_stopped NAME [sc create options...]: a registered, stopped test service.
# Wine's sc says nothing when it fails, nor does a start that never ran: a
# service still missing after sc create is made again, twice at most.
svc_stopped() {
    local name=$1 attempt state
    shift
    echo "$name" >>"$SERVICES_MADE"
    for attempt in 1 2 3; do
        sc create "$name" binPath= "$TEST_SERVICE" "$@" >/dev/null
        state=$(svc_state "$name")
        [ "$state" = missing ] && [ "$attempt" -lt 3 ] || break
        echo "${SCENARIO:-suite}: service $name missing after sc create, attempt $attempt; again" |
            tee -a "$RETRIES" | sed 's/^/# retry: /' >&2
    done
    check "service $name registered" STOPPED "$state"
}

# A service start that fails while the service stays STOPPED never ran its
# program (Wine fails a process start now and then): tried again, twice at most.
svc_running() {
    local attempt
    svc_stopped "$1"
    for attempt in 1 2 3; do
        sc start "$1" >/dev/null && break
        [ "$attempt" -lt 3 ] && [ "$(svc_state "$1")" = STOPPED ] || break
        echo "${SCENARIO:-suite}: sc start $1 attempt $attempt failed, still STOPPED; again" |
            tee -a "$RETRIES" | sed 's/^/# retry: /' >&2
    done
    wait_for 5 "[ \"\$(svc_state $1)\" = RUNNING ]"
    check "service $1 running" RUNNING "$(svc_state "$1")"
}

# Stops and deletes every service the suite made.
svc_clear() {
    [ -f "$SERVICES_MADE" ] || return 0
    local name
    for name in $(sort -u "$SERVICES_MADE"); do
        sc stop "$name" >/dev/null
        wait_for 5 "[ \"\$(svc_state $name)\" != RUNNING ]"
        sc delete "$name" >/dev/null
    done
    rm -f "$SERVICES_MADE"
}
