#!/usr/bin/env bash
# Builds the game for Windows with the MinGW-w64 cross compiler, installing
# what is missing first: build/windows/ferrow.exe (linked statically), its
# data, the unit tests (ferrow_tests.exe) and the zip a player unpacks,
# build/windows/ferrow-<version>-windows-x64.zip.
# Usage: windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh windows
jobs="$(nproc)"
# The generator runs on this machine to make the data and the resources.
cmake -S tools/assetgen -B build/windows-host -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/windows-host -j"$jobs"
cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DFERROW_HOST_ASSETGEN="$PWD/build/windows-host/assetgen" >/dev/null
cmake --build build/windows -j"$jobs" --target ferrow ferrow_tests zip
ls -l build/windows/ferrow-*-windows-x64.zip
