# The suite's check framework: one observable fact per check, the counts, and
# scenarios with their own cleanup and timing. Sourced by run.sh, and by the
# checks of the start command and of the release packages.

passed=0 failed=0 wine_gaps=0
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

# check_wine_gap NAME WINDOWS WINE ACTUAL: a fact where Wine 8 is known not to
# be Windows (as Wine's own tests mark it todo_wine). Wine's value passes and
# is counted as such; Windows' value fails, so that the mark goes once Wine
# behaves; anything else fails as check does.
check_wine_gap() {
    local name=${SCENARIO:+$SCENARIO: }$1
    if [ "$4" = "$3" ]; then
        wine_gaps=$((wine_gaps + 1))
        echo "ok - $name # TODO Wine gives '$3', Windows '$2'"
    elif [ "$4" = "$2" ]; then
        failed=$((failed + 1))
        echo "not ok - $name: Wine now gives Windows' '$2'; make it a check"
    else
        failed=$((failed + 1))
        echo "not ok - $name: expected '$2' on Windows, '$3' on Wine, got '$4'"
    fi
}

summary() {
    local gaps=''
    [ "$wine_gaps" -gt 0 ] && gaps=", $wine_gaps known Wine gaps"
    echo "$passed passed, $failed failed$gaps"
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
