# Steps shared by the end-to-end tests of sound and video: generated media, the player with
# a fresh registry key, the band probe, and screenshots kept in the build tree.
#   source media_lib.sh BUILD_DIR SOURCE_DIR
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"
exe=$build/player/VeboWAVE.exe
probe=$build/tests/e2e/media_probe.exe
key='HKCU\Software\Tessaril\VeboWAVE'
shots=$build/tests/e2e/screenshots
python3 "$source_dir/tests/tools/make_media.py" all "$work"
wine reg delete "$key" /f >/dev/null 2>&1 || true

# Starts the player on a file of $work in the background; its process id goes to $pid.
start_player() {
    wine "$exe" "$(winpath "$work/$1")" &
    pid=$!
}

# Waits for the player's window and sets x y w h cw ch title from it.
wait_window() {
    local place
    place=$(wine "$winctl" wait WINWAVE 60 | tr -d '\r') || fail "no player window for $1"
    read -r x y w h cw ch title <<<"$place"
}

# Prints "FACE SPLIT" of the band once it shows FACE (generous limit).
wait_face() { wine "$probe" wait "$1" 30 | tr -d '\r' || fail "the band never showed $1"; }

band_state() {
    local state
    state=$(wine "$probe" state | tr -d '\r') || fail "the player window is gone"
    echo "$state"
}

# Waits until the band's split satisfies `split OP VALUE` (OP as for test: -gt, -le, ...).
wait_split() {
    local limit=$(($(date +%s) + 30)) face split
    while :; do
        read -r face split <<<"$(band_state)"
        [ "$split" "$1" "$2" ] && return 0
        [ "$(date +%s)" -lt "$limit" ] || fail "the split stayed at $split, not $1 $2"
        sleep 0.1
    done
}

click() { wine "$probe" click "$1" "$2" || fail "no window to click at $1 $2"; }

# Seconds since the epoch, with milliseconds.
now() { date +%s.%N; }
seconds_since() { echo "$(now) - $1" | bc; }
at_least() { [ "$(echo "$1 >= $2" | bc)" -eq 1 ]; }

# A screenshot of the player's window, for people to look at.
screenshot() {
    mkdir -p "$shots"
    import -display "$DISPLAY" -window root -crop "${w}x${h}+${x}+${y}" +repage "$shots/$1" ||
        fail "no screenshot $1"
}
