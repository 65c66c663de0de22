# Shell helpers for the scripts that run the real game: sourced, not run.

# start_xvfb SCRATCH: starts a private X server that never resets (a reset
# between clients makes the next connection fail) on a display it picks
# itself; sets xvfb_pid and exports DISPLAY. Returns 1, with the server's
# last words on stderr, when it does not start.
start_xvfb() {
    local scratch=$1 display
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
        tail -n 3 "$scratch/xvfb.log" >&2
        return 1
    fi
    export DISPLAY=":$display"
}

# await_exit PID [TENTHS]: waits up to TENTHS tenths of a second (100) for
# the process to end; 1 if it still runs.
await_exit() {
    for _ in $(seq "${2:-100}"); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    ! kill -0 "$1" 2>/dev/null
}
