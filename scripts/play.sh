#!/usr/bin/env bash
# Builds the game (installing what is missing) and starts it; arguments go to
# the game, e.g. --windowed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh play
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DFERROW_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)"
exec build/release/ferrow "$@"
