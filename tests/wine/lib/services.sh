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
svc_stopped() {
    local name=$1
    shift
    echo "$name" >>"$SERVICES_MADE"
    sc create "$name" binPath= "$TEST_SERVICE" "$@" >/dev/null
    check "service $name registered" STOPPED "$(svc_state "$name")"
}

svc_running() {
    svc_stopped "$1"
    sc start "$1" >/dev/null
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
