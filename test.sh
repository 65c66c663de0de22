#!/usr/bin/env bash
# Every check the project has, each stage timed:
#   checks      formatting, the include rules
#   asan_build  one build with AddressSanitizer and UndefinedBehaviorSanitizer
#   asan_tests  on it, every test program, the real-window, install and soak
#               tests
#   fuzz        a time-bounded libFuzzer run over the dungeon reader (clang)
#   release     the optimised game a player gets, asset drift (the generator
#               uses its dungeon tool), its Debian package, the real-window
#               acceptance tests under GNOME's and KDE's window managers
# The fuzz and release stages build and run beside the sanitizer build's
# tests, which mostly wait on their X servers; niced, they leave the tests the
# CPU they need. Ends with each stage's time and one "N passed, M failed" line.
set -euo pipefail
cd "$(dirname "$0")"
repo=$PWD
jobs="$(nproc)"
logs=$(mktemp -d "${TMPDIR:-/tmp}/gorvak-test.XXXXXX")
stages=()
background=()

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# note PASSED FAILED: adds to the running stage's count.
note() { echo "$1 $2" >>"$logs/$stage_name.count"; }

# run LOG COMMAND...: runs a test runner, shows and keeps its output, and
# counts its closing "N passed, M failed" or ctest's summary, also when it
# fails.
run() {
    local log=$logs/$1 status line total bad
    shift
    set +e
    "$@" 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    set -e
    if line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1); then
        total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
        bad=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$line")
        note $((total - bad)) "$bad"
    elif line=$(grep -E '^[0-9]+ passed, [0-9]+ failed' "$log" | tail -n 1); then
        note "$(cut -d' ' -f1 <<<"$line")" "$(cut -d' ' -f3 <<<"$line")"
    fi
    return "$status"
}

# check COMMAND...: a check that counts as one test.
check() {
    if "$@"; then note 1 0; else note 0 1; return 1; fi
}

# stage NAME: runs the function stage_NAME, timing it, and keeps its exit
# status; a stage that fails without counting a failure counts as one.
stage() {
    stage_name=$1
    stages+=("$1")
    echo "=== $1"
    local start status=0
    start=$(now_ms)
    : >"$logs/$1.count"
    # Not under || or if: there bash would ignore set -e inside the stage.
    set +e
    (
        set -e
        "stage_$1"
    )
    status=$?
    set -e
    echo $(($(now_ms) - start)) >"$logs/$1.time"
    if ((status != 0)) && ! awk '$2 > 0 {bad = 1} END {exit !bad}' "$logs/$1.count"; then
        note 0 1
    fi
    echo "$status" >"$logs/$1.status"
}
# ok NAME: whether the stage passed.
ok() { [ "$(cat "$logs/$1.status" 2>/dev/null)" = 0 ]; }

# stage_beside NAME: the same in the background, its output held back until
# it is collected.
stage_beside() {
    (stage "$1" >"$logs/$1.out" 2>&1) &
    background+=("$1:$!")
    stages+=("$1")
}
collect() {
    local entry
    for entry in "${background[@]}"; do
        wait "${entry#*:}" || true
        cat "$logs/${entry%%:*}.out"
    done
    background=()
}

summary() {
    local status=$? total=0 ms name passed=0 failed=0
    for entry in "${background[@]}"; do kill "${entry#*:}" 2>/dev/null || true; done
    wait 2>/dev/null || true
    echo
    echo "Stage times:"
    for name in "${stages[@]}"; do
        [ -s "$logs/$name.time" ] || continue
        ms=$(<"$logs/$name.time")
        printf '  %-12s %4d.%d s\n' "$name" $((ms / 1000)) $((ms % 1000 / 100))
    done
    ms=$(($(now_ms) - run_start))
    printf '  %-12s %4d.%d s (wall clock; fuzz and release ran beside asan_tests)\n' \
        "total" $((ms / 1000)) $((ms % 1000 / 100))
    read -r passed failed < <(cat "$logs"/*.count 2>/dev/null | awk '{p += $1; f += $2} END {print p + 0, f + 0}')
    rm -rf "$logs"
    echo "test.sh: $passed passed, $failed failed"
    exit "$status"
}
run_start=$(now_ms)
trap summary EXIT

# ccache keys on paths relative to the checkout, so clones share its cache.
export CCACHE_BASEDIR="$repo"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi

stage_setup() { ./setup.sh; }

stage_checks() {
    check tools/check-format.sh
    # The dependency direction: rules know no window, the seams know no
    # game, no circle between the libraries.
    check tools/check-includes.sh
}

# -O1 keeps the sanitized game fast enough for the bot's games; -g1 is all
# the line information a report needs.
sanitized=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1")

stage_asan_build() {
    cmake -S . -B build-asan -DGORVAK_SANITIZE=ON "${sanitized[@]}" "${launcher[@]}" >/dev/null
    cmake --build build-asan -j"$jobs"
}

stage_asan_tests() {
    cd build-asan
    local status=0
    run asan ctest --output-on-failure -j"$jobs" || status=$?
    # The soak's seed and figures, shown when it passed too: the seed replays
    # the storm.
    sed -n '/^seed [0-9]/,/^[0-9]* passed, [0-9]* failed/p' Testing/Temporary/LastTest.log
    return "$status"
}

stage_fuzz() {
    CC=clang CXX=clang++ nice cmake -S . -B build-fuzz -DGORVAK_FUZZ=ON "${sanitized[@]}" \
        "${launcher[@]}" >/dev/null
    nice cmake --build build-fuzz -j"$jobs"
    cd build-fuzz
    run fuzz nice ctest --output-on-failure
}

stage_release() {
    nice cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DGORVAK_TESTS=OFF \
        "${launcher[@]}" >/dev/null
    nice cmake --build build-release -j"$jobs"
    # The generator builds the dungeon with the game's own tool.
    export GORVAK_DUNGEON_TOOL="$repo/build-release/gorvak-dungeon"
    check tools/check-assets.sh
    local version
    version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-release/CMakeCache.txt)
    run package tests/package/run.sh build-release "$version"
    # Both at once, each on its own X server, where they mostly wait; niced,
    # they leave the sanitizer tests the CPU they need.
    local wm pid pids=() status=0
    for wm in mutter kwin; do
        mkdir -p "build-release/$wm"
        (cd "build-release/$wm" &&
            GORVAK_TEST_WM=$wm run "$wm" nice ../../tests/acceptance/run.sh ../gorvak >/dev/null) &
        pids+=($!)
    done
    for pid in "${pids[@]}"; do wait "$pid" || status=1; done
    for wm in mutter kwin; do sed "s/^/$wm: /" "$logs/$wm"; done
    return "$status"
}

stage setup
ok setup
stage checks
ok checks
stage asan_build
ok asan_build
stage_beside fuzz
stage_beside release
stage asan_tests
collect
ok asan_tests && ok fuzz && ok release
