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

# game_environment SCRATCH: what the real game gets in these tests besides
# the server: Qt's X11 platform at scale 1, SDL's dummy audio driver, a
# runtime and a settings folder of its own, and nothing of the caller's desktop.
game_environment() {
    mkdir -m 0700 "$1/runtime"
    unset WAYLAND_DISPLAY XAUTHORITY QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE \
          QT_AUTO_SCREEN_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
    export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$1/runtime" \
           XDG_CONFIG_HOME="$1/config"
}

# game_session NAME: for a script that drives the game from a program of its
# own. Makes the scratch folder ($scratch, removed at exit), starts the
# server and sets the game's surroundings; on a server that does not start,
# says so as a failed test and exits.
game_session() {
    scratch=$(mktemp -d "${TMPDIR:-/tmp}/gorvak-$1.XXXXXX")
    xvfb_pid=""
    driver_pid=""
    trap _end_game_session EXIT
    trap 'exit 143' TERM INT HUP
    if ! start_xvfb "$scratch" 2>"$scratch/xvfb.err"; then
        echo "FAIL setup: Xvfb did not start: $(cat "$scratch/xvfb.err")"
        echo "0 passed, 1 failed"
        exit 1
    fi
    game_environment "$scratch"
}
_end_game_session() {
    if [ -n "$driver_pid" ]; then kill "$driver_pid" 2>/dev/null; wait "$driver_pid" 2>/dev/null; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
    rm -rf "$scratch"
}

# drive COMMAND...: runs the driver in the background, so that a TERM
# reaches the trap at once, and returns its status.
drive() {
    "$@" &
    driver_pid=$!
    wait "$driver_pid"
    local status=$?
    driver_pid=""
    return "$status"
}
