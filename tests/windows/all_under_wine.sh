#!/usr/bin/env bash
# The Windows build and its tests in one step, for continuous integration:
# scripts/windows.sh cross-builds the game, its tests and the zip (installing
# the cross compiler and Wine where missing), then the unit tests and the
# zip's game run under Wine and Xvfb. Exits 77 where Wine is still missing
# (a machine whose packages cannot be installed).
# Usage: all_under_wine.sh
set -u
cd "$(dirname "$0")/../.."
scripts/windows.sh || exit 1
command -v wine >/dev/null || { echo "no wine: the Windows tests are skipped"; exit 77; }
failures=0
tests/windows/unit_tests_under_wine.sh build/windows || failures=$((failures + 1))
tests/windows/game_under_wine.sh build/windows/ferrow-*-windows-x64.zip || failures=$((failures + 1))
echo "Windows under Wine: $((2 - failures)) passed, $failures failed"
exit $((failures > 0))
