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

# -displayfd lets the server pick a free display and say when it is ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$scratch/display" \
    >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
display=$(tr -dc 0-9 <"$scratch/display")
if [ -z "$display" ]; then
    echo "FAIL setup: Xvfb did not start: $(tail -n 3 "$scratch/xvfb.log")"
    echo "0 passed, 1 failed"
    exit 1
fi

mkdir -m 0700 "$scratch/runtime"
unset WAYLAND_DISPLAY XAUTHORITY QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_AUTO_SCREEN_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 SDL_AUDIODRIVER=dummy \
       XDG_RUNTIME_DIR="$scratch/runtime"

# In the background so that a TERM reaches the trap at once.
python3 "$here/acceptance.py" "$exe" "$scratch" "$@" &
driver_pid=$!
wait "$driver_pid"
status=$?
driver_pid=""
exit "$status"
