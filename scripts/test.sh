#!/usr/bin/env bash
# Runs every test: unit tests on Linux, checks of both Windows builds, the suite
# that drives the real 64-bit program under Wine, the start command itself, and
# the release packages.
set -u
cd "$(dirname "$0")/.."
scripts/install-deps.sh || exit 1
scripts/build.sh native win64 win32 win64-clang || exit 1
status=0
# part TITLE COMMAND...: one part of the run, with its time.
part() {
    local title=$1 start=$SECONDS
    shift
    echo "== $title"
    "$@" || status=1
    echo "== $title: $((SECONDS - start)) s"
}
part "unit tests (native)" ctest --preset native --output-on-failure
part "Windows builds" scripts/check-binaries.sh
part "under Wine" tests/wine/run.sh
part "the start command, twice, without a screen" tests/start/run.sh
part "release packages, unsigned and signed" tests/release/run.sh
exit $status
