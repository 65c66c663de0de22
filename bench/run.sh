#!/usr/bin/env bash
# Speed and memory of the game beside two yardsticks, measured in one run in
# a private Xvfb (real xcb platform), the game's sound through a private
# PulseAudio server as on a desktop (SDL's dummy driver where there is none;
# SDL_AUDIODRIVER=pulseaudio measures SDL's way to the same server):
#   - the bare window: an empty Qt window of the game's size;
#   - the same-text floor: that window showing the main window's nine
#     captions at their places in the bundled font, what any window with this
#     text pays.
# For each: start to first paint (median of N alternating runs), and at that
# paint the peak memory (VmHWM), proportional memory (PSS) and shared objects
# mapped (medians); the game's ratios to both. Then the game's libraries
# (ldd), CPU during a 2-second pause and 10 s idle, click-to-sound latency
# and the play-testing bot's speed.
# Usage: bench/run.sh [build-folder] [runs]   (runs: at least 21)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath -m "${1:-$root/build-bench}")"
runs="${2:-21}"
if ((runs < 21)); then echo "bench/run.sh: at least 21 runs" >&2; exit 2; fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target bench -j"$(nproc)" >/dev/null

export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# Our own server, kept up between runs (-noreset): a server that resets when
# its last client leaves adds that reset to every start measured.
scratch=$(mktemp -d)
xvfb_pid=""
pulse_pid=""
parec_pid=""
cleanup() {
    for pid in $xvfb_pid $pulse_pid $parec_pid; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT
# Settings of its own, a returning player's: no how-to-play card at start,
# and the player's own settings neither read nor written.
export XDG_CONFIG_HOME=$scratch/config
# GORVAK_BENCH_SETTINGS gives it lines of its own (e.g. "zoom=2"); LANGUAGE
# picks the game's language as on a desktop.
mkdir -p "$XDG_CONFIG_HOME/gorvak"
printf '%s\n' "${GORVAK_BENCH_SETTINGS:-}" >"$XDG_CONFIG_HOME/gorvak/settings.ini"
. "$(dirname "$0")/../tests/support/xserver.sh"
if ! start_xvfb "$scratch"; then echo "bench/run.sh: Xvfb did not start" >&2; exit 1; fi
if command -v pulseaudio >/dev/null; then
    mkdir -m 0700 "$scratch/pulse"
    HOME=$scratch/pulse XDG_RUNTIME_DIR=$scratch/pulse pulseaudio -n --daemonize=no --exit-idle-time=-1 \
        -L "module-native-protocol-unix auth-anonymous=1 socket=$scratch/pulse/native" -L module-null-sink \
        >/dev/null 2>&1 &
    pulse_pid=$!
    export PULSE_SERVER=unix:$scratch/pulse/native
    for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    # Heard, the null sink keeps a sound card's pace; unheard, it wakes every 2 s.
    parec -d @DEFAULT_MONITOR@ --latency-msec=10 >/dev/null 2>&1 &
    parec_pid=$!
else
    export SDL_AUDIODRIVER=dummy
fi

measure() {  # program -> "start_us peak_kib pss_kib shared_objects" of one run
    local start out
    start=$(date +%s%N)
    out=$("$@")
    awk -v start="$start" '
        /painted_ns/ {t = int(($2 - start) / 1000)} /peak_kib/ {m = $2} /pss_kib/ {p = $2}
        /shared_objects/ {s = $2} END {print t, m, p, s}' <<<"$out"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

programs=(bare floor game)
declare -A binary=([bare]=gorvak_bare_window [floor]=gorvak_floor_window [game]=gorvak_start_probe)
declare -A med

cd "$build"
for p in "${programs[@]}"; do "$build/${binary[$p]}" >/dev/null; done  # warm caches
for p in "${programs[@]}"; do : >"$scratch/$p"; done
for _ in $(seq "$runs"); do
    for p in "${programs[@]}"; do measure "$build/${binary[$p]}" >>"$scratch/$p"; done
done
for p in "${programs[@]}"; do
    for f in 1 2 3 4; do med[$p.$f]=$(awk -v f="$f" '{print $f}' "$scratch/$p" | median); done
done

row() {  # name unit scale field
    local name=$1 unit=$2 scale=$3 f=$4
    awk -v n="$name" -v u="$unit" -v s="$scale" -v g="${med[game.$f]}" -v b="${med[bare.$f]}" \
        -v l="${med[floor.$f]}" 'BEGIN {
        fmt = (s == 1) ? "%d%s" : "%.1f%s"
        printf "| %s | " fmt " | " fmt " | " fmt " | %.2fx | %.2fx |\n", n, g/s, u, b/s, u, l/s, u, g/b, g/l }'
}

libs() { ldd "$1" | wc -l; }
cpu=$("$build/gorvak_delay_cpu")
dcpu=$(awk '/delay_cpu_s/ {print $2}' <<<"$cpu"); idle=$(awk '/idle_cpu_s/ {print $2}' <<<"$cpu")
read -r lmed lmax < <("$build/gorvak_click_latency" 2>/dev/null |
    awk '/median/ {m=$2} /max/ {x=$2} END {print m, x}')
bot=$("$build/gorvak_bot_speed" 2>/dev/null | awk '/^bot:/ {print $(NF-3)}')

echo "| figure | game | bare window | same-text floor | game / bare | game / floor |"
echo "|---|---|---|---|---|---|"
row "start to first paint (median of $runs)" " ms" 1000 1
row "peak memory (VmHWM)" " MiB" 1024 2
row "proportional memory (PSS)" " MiB" 1024 3
awk -v g="${med[game.4]}" -v b="${med[bare.4]}" -v l="${med[floor.4]}" \
    'BEGIN {printf "| shared objects mapped | %d | %d | %d | +%d | +%d |\n", g, b, l, g-b, g-l}'
awk -v g="$(libs gorvak)" -v b="$(libs gorvak_bare_window)" -v l="$(libs gorvak_floor_window)" \
    'BEGIN {printf "| libraries linked (ldd) | %d | %d | %d | +%d | +%d |\n", g, b, l, g-b, g-l}'
awk -v l="${med[floor.1]}" -v b="${med[bare.1]}" 'BEGIN {printf "| floor / bare start | | | %.2fx | | |\n", l/b}'
awk -v c="$dcpu" 'BEGIN {printf "| CPU during a 2 s pause | %.4f s (%.2f%% of a core) | | | | |\n", c, 100*c/2}'
awk -v c="$idle" 'BEGIN {printf "| CPU during 10 s idle | %.4f s (%.3f%% of a core) | | | | |\n", c, 100*c/10}'
echo "| map click to the walking sound's first samples in the mixer | median $lmed ms, worst $lmax ms | | | | |"
echo "| play-testing bot | $bot games per minute | | | | |"
