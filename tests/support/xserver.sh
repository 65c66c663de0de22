# Shell helpers for the scripts that run the real game: sourced, not run.

# start_xvfb SCRATCH: starts a private X server that never resets (a reset
# between clients makes the next connection fail) on a display it picks
# itself, with start_wm's window manager; sets xvfb_pid and exports DISPLAY.
# Returns 1, with the last words of what failed on stderr, when it fails.
start_xvfb() {
    local scratch=$1 display
    Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp -noreset 3>"$scratch/display" \
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
    start_wm "$scratch"
}

# start_wm SCRATCH: runs the window manager GORVAK_TEST_WM names (mutter,
# kwin, xfwm4, openbox...; none when unset) on $DISPLAY with a home of its
# own, and waits until it manages the screen; sets wm_pid.
start_wm() {
    local log=$1/wm.log home=$1/wm wm=${GORVAK_TEST_WM:-} check
    wm_pid=""
    case $wm in
    "") return 0 ;;
    mutter) set -- dbus-launch --exit-with-session mutter --x11 --replace ;;
    kwin) set -- dbus-launch --exit-with-session kwin_x11 --replace ;;
    xfwm4) set -- xfwm4 --compositor=off ;;
    *) set -- "$wm" ;;
    esac
    mkdir -p -m 0700 "$home/runtime"
    # KWin would composite in software GL here, slowly.
    (cd "$home" && HOME=$home XDG_RUNTIME_DIR=$home/runtime GSETTINGS_BACKEND=memory \
        QT_QPA_PLATFORM=xcb KWIN_COMPOSE=N exec "$@") >"$log" 2>&1 &
    wm_pid=$!
    # It manages the screen once the root names a check window naming itself.
    for _ in $(seq 300); do
        check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*# //p')
        [ -n "$check" ] && xprop -id "$check" _NET_SUPPORTING_WM_CHECK 2>/dev/null |
            grep -q "# $check\$" && return 0
        kill -0 "$wm_pid" 2>/dev/null || break
        sleep 0.05
    done
    echo "$wm did not take the screen: $(tail -n 3 "$log")" >&2
    return 1
}

# stop_xvfb: ends the window manager and the server start_xvfb started.
stop_xvfb() {
    if [ -n "${wm_pid:-}" ]; then kill "$wm_pid" 2>/dev/null; wait "$wm_pid" 2>/dev/null; fi
    if [ -n "${xvfb_pid:-}" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
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
# runtime and a settings folder of its own, and nothing of the caller's
# desktop (its language neither: the game speaks as written).
game_environment() {
    mkdir -m 0700 "$1/runtime"
    unset WAYLAND_DISPLAY XAUTHORITY QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE \
          QT_AUTO_SCREEN_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS LANGUAGE LC_ALL LC_MESSAGES
    export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$1/runtime" \
           XDG_CONFIG_HOME="$1/config" LANG=C.UTF-8
    mkdir -p "$1/config/gorvak" && : >"$1/config/gorvak/settings.ini"  # no first start
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
    stop_xvfb
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

# xdriver_python: sets $python to a python3 that sees Debian's X library,
# which tests/support/xdriver.py uses (a python3 of one's own may not); on
# none, says so as a failed test and exits.
xdriver_python() {
    python=""
    for candidate in python3 /usr/bin/python3; do
        if "$candidate" -c 'import Xlib.ext.xtest' 2>/dev/null; then python=$candidate; return 0; fi
    done
    echo "FAIL setup: python3-xlib is not installed (run setup.sh)"
    echo "0 passed, 1 failed"
    exit 1
}
