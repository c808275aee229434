#!/usr/bin/env bash
# The unit tests, cross-built for Windows (scripts/windows.sh), under Wine
# and Xvfb: the Windows backend's own tests with real windows, and every
# shared test that can run there (tests/CMakeLists.txt says which cannot).
# Exits 77 where Wine is not installed. Usage: unit_tests_under_wine.sh [BUILD]
# (default build/windows); further arguments go to the test program.
set -u
build=$(cd "${1:-build/windows}" && pwd) || exit 1
shift
source "$(dirname "$0")/wine.sh"
[ -f "$build/tests/ferrow_tests.exe" ] || { echo "FAIL: no $build/tests/ferrow_tests.exe"; exit 1; }
start_wine 1024x768
cd "$build/tests"
# Wine's wrapper warns about a missing 32-bit Wine; the tests are 64-bit.
wine ferrow_tests.exe --gtest_brief=1 "$@" 2> >(grep -v -e 'wine32 is missing' -e 'multiarch needs' \
  -e 'dpkg --add-architecture' -e 'apt-get install wine32' >&2)
status=$?
wineserver -w
exit $status
