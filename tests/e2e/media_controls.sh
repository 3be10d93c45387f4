#!/usr/bin/env bash
# Clicks on the band of the real player while an 8-second .wav plays in real time: PLAY/PAUSE
# pauses (the face turns to PLAY, the progress stands still) and resumes, a click on the
# track seeks, STOP closes the window long before the end.
source "$(dirname "$0")/media_lib.sh" "$@"

start_player long.wav
wait_window long.wav
wait_face PAUSE

click 118 138
wait_face PLAY
paused_at=$split
# While paused, the progress must not move over several ticks.
for _ in 1 2 3 4 5 6; do
    sleep 0.25
    read_band
    [ "$face $split" = "PLAY $paused_at" ] || fail "paused band moved: $face $split, was $paused_at"
done

click 118 138
wait_face PAUSE
wait_split -gt "$paused_at"

# Back to the start of the track: the progress drops.
click 1 138
wait_split -le 20

# About seven seconds are left to play: STOP must close the window well before that.
click 98 138
clicked=$(now)
wait_exit "$pid" 60
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code after STOP"
at_least 3 "$(seconds_since "$clicked")" || fail "STOP took $(seconds_since "$clicked") s"
[ "$(reg_value "$key" Cd1)" = "$x" ] || fail "Cd1 is '$(reg_value "$key" Cd1)'"
[ "$(reg_value "$key" Ld1)" = "$y" ] || fail "Ld1 is '$(reg_value "$key" Ld1)'"
echo "controls: pause, resume, seek and stop all worked"
