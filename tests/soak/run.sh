#!/usr/bin/env bash
# The soak: the real game on a private X server, stormed with random real
# input while a watcher checks it, then games ended by TERM, INT or HUP at
# random moments (start-up included).
#   run.sh --exe PATH [--seconds 60] [--term-trials 10] [--seed N] [--actions N]
# Prints the seed, PASS/FAIL per run and "N passed, M failed"; non-zero on a
# failure. The same seed replays the same actions. What failed runs left
# (game output, sanitizer logs, the action log) goes to ./soak-failures/.
set -u

here=$(cd "$(dirname "$0")" && pwd)
. "$here/../support/xserver.sh"

for tool in Xvfb xdotool gdb; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL setup: $tool is not installed (run setup.sh)"
        echo "0 passed, 1 failed"
        exit 1
    fi
done
xdriver_python

rm -rf soak-failures  # a previous run's
game_session soak
drive "$python" "$here/soak.py" --scratch "$scratch" "$@"
status=$?
if [ "$status" -ne 0 ]; then
    mkdir -p soak-failures
    for d in "$scratch"/*/; do
        [ -e "$d/game.log" ] && cp -r "$d" soak-failures/
    done
    echo "logs of the runs: $(pwd)/soak-failures/"
fi
exit "$status"
