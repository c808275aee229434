#!/usr/bin/env bash
# Builds and runs every test (installing what is missing): once optimised,
# once under AddressSanitizer and UndefinedBehaviorSanitizer, then half a
# minute of fuzzing for each fuzz target; beside them, the browser build played in
# headless Chromium, then the Windows build cross-compiled and run under Wine.
# The benchmarks are built with the optimised tests, so that they keep
# compiling, but not run. About 30 minutes on two cores.
#
# Every stage runs even when one before it failed. The browser and Windows
# stages run one after the other beside the rest: the one mostly waits on
# its browser, and together they finish well before the sanitizer stage.
# Each stage's output goes to build/test-logs/STAGE.log; the summary at the
# end names the stages that failed and shows the end of their logs.
set -uo pipefail
cd "$(dirname "$0")/.."
# The background stages install their own; these are done first so that
# two package installs never run at once.
scripts/setup.sh test && scripts/setup.sh fuzz || exit 1
jobs="$(nproc)"
# The games under Xvfb mostly wait on their frames, so ctest runs two more
# tests than there are cores.
tests=$((jobs + 2))
logs=build/test-logs
rm -rf "$logs"
mkdir -p "$logs"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
export UBSAN_OPTIONS=print_stacktrace=1

optimised() {
  cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFERROW_BENCH=ON >/dev/null &&
    cmake --build build/test -j"$jobs" && (cd build/test && ctest --output-on-failure -j"$tests")
}
sanitized() {
  cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DFERROW_SANITIZE=ON >/dev/null &&
    cmake --build build/sanitize -j"$jobs" && (cd build/sanitize && ctest --output-on-failure -j"$tests")
}
browser() {
  scripts/web.sh || return 1
  # 77: the browser or its driver is missing here, which is no failure.
  tests/web/browser_game.sh build/web || [ $? = 77 ]
}
fuzzing() { scripts/fuzz.sh 30; }
windows() {
  # 77: Wine could not be installed here, which is no failure.
  tests/windows/all_under_wine.sh || [ $? = 77 ]
}

# stage NAME: runs the function NAME, its output into its log; true if it passed.
stage() {
  local started=$SECONDS status
  echo "== $1: started"
  "$1" >"$logs/$1.log" 2>&1
  status=$?
  echo "$status" >"$logs/$1.status"
  if [ "$status" = 0 ]; then
    echo "== $1: passed in $((SECONDS - started)) s"
  else
    echo "== $1: FAILED (status $status) after $((SECONDS - started)) s"
  fi
  return "$status"
}

{ stage browser; stage windows; } &
beside=$!
stage optimised
stage sanitized
stage fuzzing
wait "$beside"

failed=()
for log in "$logs"/*.status; do
  name=$(basename "$log" .status)
  [ "$(cat "$log")" = 0 ] || failed+=("$name")
done
for name in "${failed[@]}"; do
  echo "== the end of $logs/$name.log:"
  tail -n 150 "$logs/$name.log"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "== failed: ${failed[*]}"
  exit 1
fi
echo "== every stage passed"
