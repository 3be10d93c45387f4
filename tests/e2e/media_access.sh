#!/usr/bin/env bash
# An 8-second .wav on the real MCI of Wine, read and worked from another process through
# Active Accessibility, as a screen reader does: the band's children by name, the track's
# value as it moves and while paused, and PLAY/PAUSE and STOP pressed by their default actions.
source "$(dirname "$0")/media_lib.sh" "$@"
access_probe=$build/tests/e2e/access_probe.exe
access() { wine "$access_probe" "$@" | tr -d '\r'; }

# Seconds played, from a track value such as "0:03 / 0:08".
played() { awk -F'[: /]+' '{ print $1 * 60 + $2 }' <<<"$1"; }

start_player long.wav
wait_window long.wav
wait_face PAUSE

names=$(access names) || fail "no client object across the processes"
[ "$names" = "Pause|Stop|Position" ] || fail "children named '$names'"
value=$(access value 3) || fail "no value of the track"
[[ $value =~ ^0:0[0-7]\ /\ 0:08$ ]] || fail "track value '$value'"
# The value follows the position.
started=$(played "$value")
limit=$(($(date +%s) + 30))
while value=$(access value 3) && [ "$(played "$value")" -le "$started" ]; do
    [ "$(date +%s)" -lt "$limit" ] || fail "the track's value stayed at '$value'"
    sleep 0.2
done

access press 1 || fail "PLAY/PAUSE refused its action"
wait_face PLAY
[ "$(access names)" = "Play|Stop|Position" ] || fail "PLAY/PAUSE not renamed while paused"
paused=$(access value 3)
sleep 1.2
[ "$(access value 3)" = "$paused" ] || fail "the value moved while paused from '$paused'"

access press 2 || fail "STOP refused its action"
wait_exit "$pid" 60
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code after STOP"
echo "access: names, value and both actions crossed the processes"
