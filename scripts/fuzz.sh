#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 60) on
# a copy of the seed corpora in the build folder; fails when any of them finds
# a crash, a leak, a sanitizer report or an input that takes a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh fuzz
seconds="${1:-60}"
build=build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DFERROW_FUZZ=ON -DFERROW_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"

run="$PWD/$build/run"
rm -rf "$run"
fuzz/make_seeds.sh "$build/data/set0" "$run/corpus"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
export UBSAN_OPTIONS=print_stacktrace=1
# The inputs are written to files; memory-backed ones keep that cheap.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

targets=(fuzz_picture fuzz_wave fuzz_highscore fuzz_recording)
declare -A dict=([fuzz_picture]=bmp [fuzz_wave]=wave [fuzz_highscore]=highscore [fuzz_recording]=recording)
failed=()
for target in "${targets[@]}"; do
  mkdir -p "$run/artifacts/$target"
  log="$run/$target.log"
  if "$build/fuzz/$target" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 -print_final_stats=1 \
      -dict="fuzz/${dict[$target]}.dict" -artifact_prefix="$run/artifacts/$target/" \
      "$run/corpus/$target" >"$log" 2>&1; then
    echo "$target: $(grep -m1 'DONE' "$log" || tail -1 "$log")"
  else
    failed+=("$target")
    echo "$target: FAILED (log $log, input in $run/artifacts/$target/)"
    grep -E -A30 'ERROR|runtime error|\*\*\*' "$log" | head -60 || tail -40 "$log"
  fi
done
echo "fuzz: $((${#targets[@]} - ${#failed[@]})) passed, ${#failed[@]} failed"
[ ${#failed[@]} -eq 0 ] || { echo "fuzzing found faults in: ${failed[*]}"; exit 1; }
