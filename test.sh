#!/usr/bin/env bash
# Every test the project has: the include check, the suites under AddressSanitizer and
# UndefinedBehaviorSanitizer, a bounded fuzzing run of the dungeon reader
# (clang's libFuzzer), then the suites on the normal build, whose ctest
# summary ends the output.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
jobs="$(nproc)"

# The dependency direction: rules know no window, the seams know no game,
# no circle between the libraries.
tools/check-includes.sh

cmake -S . -B build-asan -DGORVAK_SANITIZE=ON
cmake --build build-asan -j"$jobs"
(cd build-asan && ctest --output-on-failure -j"$jobs")

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DGORVAK_FUZZ=ON
cmake --build build-fuzz -j"$jobs"
(cd build-fuzz && ctest --output-on-failure)

cmake -S . -B build
cmake --build build -j"$jobs"
cd build && ctest --output-on-failure -j"$jobs"
