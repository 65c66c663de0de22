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

for tool in Xvfb gdb; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL setup: $tool is not installed (run setup.sh)"
        echo "0 passed, 1 failed"
        exit 1
    fi
done
# The X library for Python is Debian's, which a python3 of its own may not see.
python=""
for candidate in python3 /usr/bin/python3; do
    if "$candidate" -c 'import Xlib.ext.xtest' 2>/dev/null; then python=$candidate; break; fi
done
if [ -z "$python" ]; then
    echo "FAIL setup: python3-xlib is not installed (run setup.sh)"
    echo "0 passed, 1 failed"
    exit 1
fi

rm -rf soak-failures  # a previous run's
scratch=$(mktemp -d "${TMPDIR:-/tmp}/gorvak-soak.XXXXXX")
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
"$python" "$here/soak.py" --scratch "$scratch" "$@" &
driver_pid=$!
wait "$driver_pid"
status=$?
driver_pid=""
if [ "$status" -ne 0 ]; then
    mkdir -p soak-failures
    for d in "$scratch"/*/; do
        [ -e "$d/game.log" ] && cp -r "$d" soak-failures/
    done
    echo "logs of the runs: $(pwd)/soak-failures/"
fi
exit "$status"
