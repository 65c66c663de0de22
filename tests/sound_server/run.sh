#!/usr/bin/env bash
# What a player hears through a sound server (sound_server.py), on a private X
# server and a private PulseAudio daemon, both in a scratch folder.
#   run.sh <path-to-gorvak> <path-to-gorvak_play_effects> [--load]
# Prints PASS/FAIL per check and "N passed, M failed"; non-zero on a failure.
set -u
. "$(dirname "$0")/../support/xserver.sh"
for tool in pulseaudio parec pactl; do
    command -v "$tool" >/dev/null ||
        { printf 'FAIL setup: %s is not installed (run setup.sh)\n0 passed, 1 failed\n' "$tool"; exit 1; }
done
xdriver_python
game_session sound
drive "$python" "$(dirname "$0")/sound_server.py" "$1" "$2" "$scratch" "${@:3}"
