#!/usr/bin/env bash
# A short generated .wav on the real MCI of Wine with a real-time null sound sink: the sound
# window with its band, the end of playback closing it, its place saved under Cd1 and Ld1.
source "$(dirname "$0")/media_lib.sh" "$@"

start_player tone.wav
wait_window tone.wav
started=$(now)
[ "$title" = tone.wav ] || fail "window titled '$title'"
[ "$w $h $cw $ch" = "134 173 128 148" ] || fail "sound window $w x $h, client $cw x $ch"
[ "$x $y" = "445 298" ] || fail "sound window at $x $y, not centred"
wait_face PAUSE
[ "$split" -ge 1 ] && [ "$split" -le 87 ] || fail "split at column $split"
screenshot media-wave.png

wait_exit "$pid" 60
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code at the end of the sound"
elapsed=$(seconds_since "$started")
# Two seconds of sound; the device reports the end up to about 0.6 s early.
at_least "$elapsed" 1.2 || fail "the window closed after $elapsed s: not real time"
[ "$(reg_value "$key" Cd1)" = 445 ] || fail "Cd1 is '$(reg_value "$key" Cd1)'"
[ "$(reg_value "$key" Ld1)" = 298 ] || fail "Ld1 is '$(reg_value "$key" Ld1)'"
echo "sound: played to its end in $elapsed s, window closed, place saved"
