#!/usr/bin/env bash
# Builds and runs every test (installing what is missing): once optimised,
# once under AddressSanitizer and UndefinedBehaviorSanitizer; then the
# browser build, played in headless Chromium; then a minute of fuzzing for
# each fuzz target. The benchmarks are built with the optimised tests, so
# that they keep compiling, but not run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh test
jobs="$(nproc)"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFERROW_BENCH=ON >/dev/null
cmake --build build/test -j"$jobs"
(cd build/test && ctest --output-on-failure -j"$jobs")
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DFERROW_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j"$jobs"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
(cd build/sanitize && UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j"$jobs")
scripts/web.sh
# 77: the browser or its driver is missing here, which is no failure.
tests/web/browser_game.sh build/web || [ $? = 77 ]
scripts/fuzz.sh 60
