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

for tool in Xvfb xdotool convert xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL setup: $tool is not installed (run setup.sh)"
        echo "0 passed, 1 failed"
        exit 1
    fi
done

xdriver_python

game_session accept
drive "$python" "$here/acceptance.py" "$exe" "$scratch" "$@"
status=$?
exit "$status"
