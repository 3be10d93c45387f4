# Steps shared by the end-to-end tests of sound and video: generated media, the player with
# a fresh registry key, the band probe, and screenshots kept in the build tree.
#   source media_lib.sh BUILD_DIR SOURCE_DIR
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh" "$@"
exe=$build/player/VeboWAVE.exe
probe=$build/tests/e2e/media_probe.exe
key='HKCU\Software\Tessaril\VeboWAVE'
shots=$build/tests/e2e/screenshots
python3 "$source_dir/tools/make_media.py" all "$work"
wine reg delete "$key" /f >/dev/null 2>&1 || true

# Starts the player on a file of $work in the background; its process id goes to $pid.
start_player() { start "$exe" "$(winpath "$work/$1")"; }

# Waits for the player's window and sets x y w h cw ch title from it.
wait_window() {
    local place
    place=$(wine "$winctl" wait WINWAVE 60 | tr -d '\r') || fail "no player window for $1"
    read -r x y w h cw ch title <<<"$place"
}

# Waits until the band shows FACE (PLAY or PAUSE), then sets $face and $split from it.
wait_face() {
    local state
    state=$(wine "$probe" wait "$1" 30 | tr -d '\r') || fail "the band never showed $1"
    read -r face split <<<"$state"
}

# Sets $face and $split from the band as it stands.
read_band() {
    local state
    state=$(wine "$probe" state | tr -d '\r') || fail "the player window is gone"
    read -r face split <<<"$state"
}

# Waits until the band's split satisfies `split OP VALUE` (OP as for test: -gt, -le, ...).
wait_split() {
    local limit=$(($(date +%s) + 30))
    while read_band && ! [ "$split" "$1" "$2" ]; do
        [ "$(date +%s)" -lt "$limit" ] || fail "the split stayed at $split, not $1 $2"
        sleep 0.1
    done
}

click() { wine "$probe" click "$1" "$2" || fail "no window to click at $1 $2"; }

# Seconds since the epoch, with milliseconds.
now() { date +%s.%N; }
seconds_since() { awk -v now="$(now)" -v then="$1" 'BEGIN { printf "%.2f\n", now - then }'; }
at_least() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }

# A screenshot of the player's window, for people to look at.
screenshot() {
    mkdir -p "$shots"
    import -display "$DISPLAY" -window root -crop "${w}x${h}+${x}+${y}" +repage "$shots/$1" ||
        fail "no screenshot $1"
}
