#!/usr/bin/env bash
# Media the real player cannot start: a .mid without a MIDI output device (no window, no
# message, exit 0) and a .mov that no MCI device takes ("File not found", then exit 0).
source "$(dirname "$0")/media_lib.sh" "$@"

# A box would keep the process waiting for a click, so ending by itself means no message.
start_player tune.mid
wait_exit "$pid" 60
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code for a .mid"
[ "$(reg_value "$key" Cd2)" = "(missing)" ] || fail "a MIDI window was shown and closed"

start_player clip.mov
text=$(wine "$winctl" button CallWAVE 60 | tr -d '\r') || fail "no CallWAVE box for a .mov"
[ "$text" = "File not found" ] || fail "the box says '$text'"
wait_exit "$pid" 60
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code after the box"
[ "$(reg_value "$key" Cd3)" = "(missing)" ] || fail "a window was shown for the .mov"
echo "refused media: .mid ends quietly, .mov says File not found"
