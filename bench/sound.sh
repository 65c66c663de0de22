#!/usr/bin/env bash
# Sound through a private PulseAudio server, as tests/sound_server/ hears it
# (a Release build): each effect beside its file, the key-to-sound delays of
# three runs, the sound's return after the server restarts; then the effects
# not whole in 30 s with two CPU-bound workers (stress-ng) beside them.
# Usage: bench/sound.sh [build-folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath -m "${1:-$root/build-bench}")"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target gorvak gorvak_play_effects gorvak_assets -j"$(nproc)" >/dev/null
heard() { "$root/tests/sound_server/run.sh" "$build/gorvak" "$build/tests/gorvak_play_effects" "$@" || true; }
runs=$(for _ in 1 2 3; do heard; done)
grep -v '^[0-9]* passed' <<<"$runs"
sed -n 's/.*Walk by a key.*, \([0-9]*\) ms after.*/\1/p' <<<"$runs" | sort -n |
    awk '{d[NR] = $1} END {printf "key to sound on the server: median %d ms, worst %d ms over %d steps\n", d[int((NR + 1) / 2)], d[NR], NR}'
loaded=$(heard --load)
echo "under load: $(grep -c 'under load' <<<"$loaded") effects in 30 s," \
    "$(grep -c -e '^FAIL' -e 'a dropout' <<<"$loaded") not whole"
