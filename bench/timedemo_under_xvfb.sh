#!/usr/bin/env bash
# The recorded game as a timedemo under Xvfb, in a 640 x 480 window on a
# screen without a graphics card (so the game's own presentation path), RUNS
# times (default 5), beside BM_GameFrame and the memcpy yardstick from the
# same sitting. Prints each timedemo line, the median of their frames per
# second, and the benchmarks' medians.
# Usage: timedemo_under_xvfb.sh GAME BENCH RECORDING [RUNS]
set -u
game=$(realpath "$1")
bench=$(realpath "$2")
recording=$(realpath "$3")
runs=${4:-5}
source "$(dirname "$0")/../tests/e2e/xvfb.sh"
need_tools Xvfb
start_xvfb 1024x768
enter_data_copy "$game"

for run in $(seq "$runs"); do
  FERROW_VERBOSE=1 "$game" --windowed --timedemo "$recording" >"$work/line" 2>"$work/stderr" ||
    { echo "timedemo failed:"; grep -a '^ferrow: ' "$work/stderr"; exit 1; }
  [ "$run" = 1 ] && grep -a '^ferrow: picture shown through' "$work/stderr"
  cat "$work/line"
  sed -n 's/.* s, \([0-9]*\) Bilder\/s.*/\1/p' "$work/line" >>"$work/fps"
done
echo "median: $(sort -n "$work/fps" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }') frames per second"
"$bench" --benchmark_filter='^BM_(GameFrame|MemcpyFrame)$' --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true 2>/dev/null | grep -E '_median'
