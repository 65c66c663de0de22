#!/usr/bin/env bash
# Sound through a private PulseAudio server, as tests/sound_server/ hears it on
# a Release build: three runs (each effect beside its file, the key-to-sound
# delays, the sound's return after the server restarts), then 30 s of effects
# beside two CPU-bound workers, and how many of them were not heard whole.
# Usage: bench/sound.sh [build-folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath -m "${1:-$root/build-bench}")"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target gorvak gorvak_play_effects gorvak_assets -j"$(nproc)" >/dev/null
heard() { "$root/tests/sound_server/run.sh" "$build/gorvak" "$build/tests/gorvak_play_effects" "$@" || true; }
for _ in 1 2 3; do heard; done | tee /dev/stderr | sed -n 's/.*Walk by a key.*, \([0-9]*\) ms after.*/\1/p' |
    sort -n | awk '{d[NR] = $1} END {printf "key to sound: median %d ms, worst %d ms of %d\n", d[int((NR + 1) / 2)], d[NR], NR}'
heard --load | awk '/under load/ {n++} /^FAIL|a dropout/ {bad++} END {printf "under load: %d of %d effects not whole\n", bad, n}'
