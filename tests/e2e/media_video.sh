#!/usr/bin/env bash
# A generated 64 by 48, 32-bit uncompressed .avi on the real MCI of Wine: a window sized to
# the frames plus one pixel and the band, the frames drawn by the device, closed at the end
# (Wine's AVI player stops one frame short of the length), its place saved under Cd3 and Ld3.
source "$(dirname "$0")/media_lib.sh" "$@"

start_player clip.avi
wait_window clip.avi
started=$(now)
[ "$title" = clip.avi ] || fail "window titled '$title'"
[ "$w $h $cw $ch" = "71 94 65 69" ] || fail "video window $w x $h, client $cw x $ch"
[ "$x $y" = "477 337" ] || fail "video window at $x $y, not centred"
wait_face PAUSE
colour=$(wine "$probe" pixel 10 10 | tr -d '\r')
[ -n "$colour" ] && [ "$colour" != FFFFFF ] || fail "no frame drawn in the video area ($colour)"
screenshot media-video.png

wait_exit "$pid" 60
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code at the end of the video"
elapsed=$(seconds_since "$started")
at_least "$elapsed" 2 || fail "a 3-second video closed after $elapsed s"
[ "$(reg_value "$key" Cd3)" = 477 ] || fail "Cd3 is '$(reg_value "$key" Cd3)'"
[ "$(reg_value "$key" Ld3)" = 337 ] || fail "Ld3 is '$(reg_value "$key" Ld3)'"
echo "video: played to its end in $elapsed s, window closed, place saved"
