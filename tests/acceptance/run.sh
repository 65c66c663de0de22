#!/usr/bin/env bash
# Real-window acceptance tests: the real game on a private X server, driven
# with real X input and checked on real screenshots.
#   run.sh <path-to-gorvak> [case ...]
# Prints PASS/FAIL per case and "N passed, M failed"; non-zero on a failure.
# Screenshots and game output of failed cases go to ./acceptance-failures/.
set -u

exe=${1:?usage: run.sh <path-to-gorvak> [case ...]}
shift
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../support/xserver.sh"
exe=$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")

for tool in Xvfb xdotool import convert xwininfo xprop python3; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL setup: $tool is not installed (run setup.sh)"
        echo "0 passed, 1 failed"
        exit 1
    fi
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/gorvak-accept.XXXXXX")
xvfb_pid=""
driver_pid=""
cleanup() {
    if [ -n "$driver_pid" ]; then kill "$driver_pid" 2>/dev/null; wait "$driver_pid" 2>/dev/null; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

if ! start_xvfb "$scratch" 2>"$scratch/xvfb.err"; then
    echo "FAIL setup: Xvfb did not start: $(cat "$scratch/xvfb.err")"
    echo "0 passed, 1 failed"
    exit 1
fi

game_environment "$scratch"

# In the background so that a TERM reaches the trap at once.
python3 "$here/acceptance.py" "$exe" "$scratch" "$@" &
driver_pid=$!
wait "$driver_pid"
status=$?
driver_pid=""
exit "$status"
