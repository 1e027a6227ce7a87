# The suite's check framework: one observable fact per check, the counts, and
# scenarios with their own cleanup and timing. Sourced by run.sh, and by the
# checks of the start command and of the release packages.

passed=0 failed=0
SCENARIO=

# check NAME EXPECTED ACTUAL: one observable fact.
check() {
    local name=${SCENARIO:+$SCENARIO: }$1
    if [ "$2" = "$3" ]; then
        passed=$((passed + 1))
        echo "ok - $name"
    else
        failed=$((failed + 1))
        echo "not ok - $name: expected '$2' got '$3'"
    fi
}

summary() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}

note() { echo "# $*"; }

# The value of KEY in the key=value lines on stdin.
kv() { sed -n "s/^$1=//p" | head -n 1; }

# wait_for SECONDS COMMAND: true once COMMAND succeeds, false when the time is up.
wait_for() {
    local deadline=$((SECONDS + $1))
    until eval "$2"; do
        [ "$SECONDS" -ge "$deadline" ] && return 1
        sleep 0.05
    done
}

# run_scenario NAME FUNCTION: one scenario with its own cleanup and timing.
run_scenario() {
    local start=$SECONDS
    SCENARIO=$1
    app_install "$APP_DIR"
    "$2"
    scenario_cleanup
    note "$1: $((SECONDS - start)) s"
    SCENARIO=
}
