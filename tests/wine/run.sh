#!/usr/bin/env bash
# The 64-bit installer under Wine, read back from outside: what its window says
# for the services present, how it looks, both install roads with real scripts
# and packages, how it closes and what exit code it ends with, where nobody can
# see it, and the administrators' kit. Needs the win64 build
# (program and tools); builds nothing itself.
#
#   tests/wine/run.sh                      every scenario
#   tests/wine/run.sh NAME...              only these (names as listed below)
set -u
WINE_TESTS=$(cd "$(dirname "$0")" && pwd)
for part in lib/checks lib/program lib/services lib/sockets lib/texts lib/wine_trace scenarios/window scenarios/verdicts \
    scenarios/install_roads scenarios/template_roads scenarios/removal_roads scenarios/package_guards scenarios/unseen scenarios/system_events; do
    source "$WINE_TESTS/$part.sh"
done

# Every scenario, in the order they run; each NAME runs scenario_NAME (dashes
# as underscores) from scenarios/.
SCENARIOS=(
    mysql-running
    mariadb-stopped
    mysql-running-mariadb-stopped
    mysql-lower-case-stopped
    mariadb-display-name-only
    fonts-at-150-percent
    automatic-installs
    automatic-installs-nothing
    automatic-without-script
    button-installs
    button-directory-exists
    folder-with-blank
    folder-with-ampersand
    quit-while-waiting
    quit-during-message-box
    quit-while-waiting-for-the-user
    second-start-while-waiting
    template-installs
    template-restart-needed
    template-as-shipped
    template-own-password
    template-without-package
    template-failing-package
    button-failing-package
    settings-every-character
    settings-bad-input
    template-several-packages
    template-other-series-package
    template-other-architecture
    template-port-taken
    template-log-folders
    kit-planted-tools
    template-updates
    removal-keeps-data
    removal-deletes-data
    removal-still-listed
    removal-among-strange-entries
    kit-service-exists
    kit-service-marked-for-deletion
    kit-target-exists
    kit-password-backslash
    kit-installer-busy
    unseen-installs
    unseen-failing-package
    unseen-mysql-running
    unseen-mariadb-stopped
    unseen-without-script
    hidden-start
    copy-of-another-account
    script-hands-work-on
    session-end-while-waiting
    session-end-before-a-road
    run-event
)

for name in "$@"; do
    [[ " ${SCENARIOS[*]} " == *" $name "* ]] || { echo "no such scenario: $name" >&2; exit 2; }
done
suite_start
for name in "${@:-${SCENARIOS[@]}}"; do
    run_scenario "$name" "scenario_${name//-/_}"
done
suite_end
summary
