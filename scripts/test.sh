#!/usr/bin/env bash
# Runs every test: unit tests on Linux, checks of both Windows builds, the suite
# that drives the real 64-bit program under Wine, the start command itself, and
# the release packages.
set -u
cd "$(dirname "$0")/.."
scripts/install-deps.sh || exit 1
scripts/build.sh native win64 win32 || exit 1
status=0
echo "== unit tests (native)"
ctest --preset native --output-on-failure || status=1
echo "== Windows builds"
scripts/check-binaries.sh || status=1
echo "== under Wine"
tests/wine/run.sh || status=1
echo "== the start command, twice, without a screen"
tests/start/run.sh || status=1
echo "== release packages, unsigned and signed"
tests/release/run.sh || status=1
exit $status
