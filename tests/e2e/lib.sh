# Shared steps of the end-to-end scripts: the build tree's Wine session, starting a program
# and waiting for conditions with generous limits.
#   source lib.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source_dir=$2
# A test may run in a Wine session of its own (VEBO_E2E_SESSION), set up differently.
session=${VEBO_E2E_SESSION:-$build/wine}
"$source_dir/tools/wine-session" start "$session" "$build/tests/win32/wine_idle.exe"
eval "$("$source_dir/tools/wine-session" env "$session")"
winctl=$build/tests/win32/winctl.exe
work=$(mktemp -d "$build/e2e.XXXXXX")
programs=()
images=()
# A failing check must not leave a program running: it would hold the test's output open and
# write to the registry under the next test.
cleanup() {
    for pid in "${programs[@]}"; do
        kill -0 "$pid" 2>/dev/null && wine "$winctl" kill "${images[@]}" >/dev/null 2>&1
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# Keeps the background process just started, which runs program $1, for cleanup; its pid
# goes to $pid.
track() {
    pid=$!
    programs+=("$pid")
    images+=("$(basename "$1")")
}

# Starts a Windows program in the background; its pid goes to $pid.
start() {
    wine "$@" </dev/null &
    track "$1"
}

# Starts a Windows program as the shell does: CreateProcessW with the command line
# "PROGRAM" TEXT exactly (PROGRAM a Linux path, TEXT as given); its pid goes to $pid and its
# exit code is that of the program.
start_as_shell() {
    wine "$winctl" run "$(winpath "$1")" "$2" </dev/null &
    track "$1"
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The Windows path of a Linux file.
winpath() { command winepath -w "$1" 2>/dev/null; }

# Waits up to $2 seconds for the background process $1 to end; its exit code goes to $exit_code.
wait_exit() {
    local pid=$1 limit=$(($(date +%s) + $2))
    while kill -0 "$pid" 2>/dev/null; do
        [ "$(date +%s)" -lt "$limit" ] || fail "process $pid still running after $2 s"
        sleep 0.1
    done
    exit_code=0
    wait "$pid" || exit_code=$?
}

# A REG_SZ value of the registry of the prefix, or "(missing)".
reg_value() {
    local out
    out=$(wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r') || {
        echo "(missing)"
        return
    }
    awk -v name="$2" '$1 == name && $2 == "REG_SZ" { sub(/^[^R]*REG_SZ[ \t]*/, ""); print; exit }' \
        <<<"$out"
}

# Waits up to $1 seconds for the calculator's X window to have the keyboard focus.
focus_calculator() {
    local limit=$(($(date +%s) + $1)) window
    while :; do
        window=$(xdotool search --name '^VeboCALC$' 2>/dev/null | head -n 1 || true)
        if [ -n "$window" ]; then
            [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ] && return 0
            xdotool windowfocus "$window" 2>/dev/null || true
        fi
        [ "$(date +%s)" -lt "$limit" ] || fail "the calculator never got the keyboard focus"
        sleep 0.1
    done
}
