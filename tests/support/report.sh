# The PASS/FAIL lines and closing "N passed, M failed" of the check scripts:
# sourced, not run.
passed=0
failed=0
pass() { echo "PASS $1"; passed=$((passed + 1)); }
fail() { echo "FAIL $1${2:+: $2}"; failed=$((failed + 1)); }
skip() { echo "SKIP $1: $2"; }
check() { # check NAME COMMAND...
    local name=$1
    shift
    if "$@"; then pass "$name"; else fail "$name"; fi
}
finish() {
    echo "$passed passed, $failed failed"
    exit $((failed > 0))
}
