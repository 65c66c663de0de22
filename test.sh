#!/usr/bin/env bash
# Every check the project has, each stage timed:
#   checks      formatting, the include rules
#   sanitizers  every test program, the real-window, install and soak tests,
#               built once with AddressSanitizer and UndefinedBehaviorSanitizer
#   fuzz        a time-bounded libFuzzer run over the dungeon reader (clang)
#   release     the optimised game a player gets, asset drift (the generator
#               uses its dungeon tool), its Debian package
# Ends with each stage's time and one "N passed, M failed" line.
set -euo pipefail
cd "$(dirname "$0")"
repo=$PWD
jobs="$(nproc)"
logs=$(mktemp -d "${TMPDIR:-/tmp}/gorvak-test.XXXXXX")

stage_names=()
stage_times=()
counted=0
passed=0
failed=0
current=""
started=0

now_ms() { echo $(($(date +%s%N) / 1000000)); }
begin() {
    current=$1
    counted=0
    started=$(now_ms)
    echo "=== $current"
}
end() {
    stage_names+=("$current")
    stage_times+=($(($(now_ms) - started)))
    current=""
}
# count LOG: adds a runner's closing "N passed, M failed" or ctest's summary.
count() {
    local line
    if line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1); then
        local total bad
        total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
        bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$line")
        passed=$((passed + total - bad))
        failed=$((failed + bad))
        counted=1
    elif line=$(grep -E '^[0-9]+ passed, [0-9]+ failed' "$1" | tail -n 1); then
        passed=$((passed + $(cut -d' ' -f1 <<<"$line")))
        failed=$((failed + $(cut -d' ' -f3 <<<"$line")))
        counted=1
    fi
}
# run LOG COMMAND...: runs a test runner, keeps its output and counts it,
# also when it fails.
run() {
    local log=$logs/$1 status
    shift
    set +e
    "$@" 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    set -e
    count "$log"
    return "$status"
}
summary() {
    local status=$?
    if [ -n "$current" ]; then
        echo "=== $current stopped the run"
        end
        if ((counted == 0)); then failed=$((failed + 1)); fi
    fi
    echo
    echo "Stage times:"
    local total=0 ms
    for i in "${!stage_names[@]}"; do
        ms=${stage_times[$i]}
        printf '  %-12s %4d.%d s\n' "${stage_names[$i]}" $((ms / 1000)) $((ms % 1000 / 100))
        total=$((total + ms))
    done
    printf '  %-12s %4d.%d s\n' "total" $((total / 1000)) $((total % 1000 / 100))
    rm -rf "$logs"
    echo "test.sh: $passed passed, $failed failed"
    exit "$status"
}
trap summary EXIT

begin setup
./setup.sh
# ccache keys on paths relative to the checkout, so clones share its cache.
export CCACHE_BASEDIR="$repo"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
end

# check NAME COMMAND...: a check that counts as one test.
check() {
    shift
    counted=1
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); false; fi
}

begin checks
check format tools/check-format.sh
# The dependency direction: rules know no window, the seams know no game,
# no circle between the libraries.
check includes tools/check-includes.sh
end

begin sanitizers
# -O1 keeps the sanitized game fast enough for the bot's games; -g1 is all
# the line information a report needs.
cmake -S . -B build-asan -DGORVAK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" "${launcher[@]}" >/dev/null
cmake --build build-asan -j"$jobs"
cd build-asan
run asan ctest --output-on-failure -j"$jobs"
cd "$repo"
end

begin fuzz
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DGORVAK_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j"$jobs"
cd build-fuzz
run fuzz ctest --output-on-failure
cd "$repo"
end

begin release
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DGORVAK_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build build-release -j"$jobs"
# The generator builds the dungeon with the game's own tool.
export GORVAK_DUNGEON_TOOL="$repo/build-release/gorvak-dungeon"
check assets tools/check-assets.sh
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-release/CMakeCache.txt)
run package tests/package/run.sh build-release "$version"
end
