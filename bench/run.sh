#!/usr/bin/env bash
# Speed and memory of the game beside a bare Qt window, measured in one run
# under Xvfb with the real xcb platform and SDL's dummy audio driver:
#   start to first painted main window (median of N runs) and the ratio,
#   peak memory of both and the ratio, CPU during a 2-second pause and 10 s idle.
# Usage: bench/run.sh [build-folder] [runs]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath -m "${1:-$root/build-bench}")"
runs="${2:-15}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target bench -j"$(nproc)" >/dev/null

export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

measure() {  # program -> "start_ms peak_kib" of one run
    local start out painted peak
    start=$(date +%s%N)
    out=$("$@")
    painted=$(awk '/painted_ns/ {print $2}' <<<"$out")
    peak=$(awk '/peak_kib/ {print $2}' <<<"$out")
    echo "$(( (painted - start) / 1000 )) $peak"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

bench() {
    cd "$build"
    local bare_t=() game_t=() bare_m=() game_m=()
    "$build/gorvak_bare_window" >/dev/null; "$build/gorvak_start_probe" >/dev/null  # warm caches
    for _ in $(seq "$runs"); do
        read -r t m < <(measure "$build/gorvak_bare_window"); bare_t+=("$t"); bare_m+=("$m")
        read -r t m < <(measure "$build/gorvak_start_probe"); game_t+=("$t"); game_m+=("$m")
    done
    local bt gt bm gm
    bt=$(printf '%s\n' "${bare_t[@]}" | median); gt=$(printf '%s\n' "${game_t[@]}" | median)
    bm=$(printf '%s\n' "${bare_m[@]}" | median); gm=$(printf '%s\n' "${game_m[@]}" | median)
    local cpu
    cpu=$("$build/gorvak_delay_cpu")
    local dcpu idle latency bot
    dcpu=$(awk '/delay_cpu_s/ {print $2}' <<<"$cpu"); idle=$(awk '/idle_cpu_s/ {print $2}' <<<"$cpu")
    latency=$("$build/gorvak_click_latency" 2>/dev/null | awk '/median/ {m=$2} /max/ {x=$2} END {print m, x}')
    bot=$("$build/gorvak_bot_speed" 2>/dev/null | awk '/^bot:/ {print $(NF-3)}')
    echo "| figure | game | bare Qt window | ratio |"
    echo "|---|---|---|---|"
    awk -v g="$gt" -v b="$bt" 'BEGIN {printf "| start to first paint (median of '"$runs"') | %.1f ms | %.1f ms | %.2fx |\n", g/1000, b/1000, g/b}'
    awk -v g="$gm" -v b="$bm" 'BEGIN {printf "| peak memory (VmHWM) | %.1f MiB | %.1f MiB | %.2fx |\n", g/1024, b/1024, g/b}'
    awk -v c="$dcpu" 'BEGIN {printf "| CPU during a 2 s pause | %.4f s (%.2f%% of a core) | | |\n", c, 100*c/2}'
    awk -v c="$idle" 'BEGIN {printf "| CPU during 10 s idle | %.4f s (%.3f%% of a core) | | |\n", c, 100*c/10}'
    read -r med max <<<"$latency"
    echo "| map click to the walking sound's first samples in the mixer | median $med ms, worst $max ms | | |"
    echo "| play-testing bot | $bot games per minute | | |"
}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi
bench
