#!/usr/bin/env bash
# The player at 200 %: a Wine session of its own whose prefix is set to 192 DPI. A sound
# window's client area is 256 by 296 and its PLAY/PAUSE face the 20 by 20 art doubled; a click
# on the scaled STOP closes it; a picture keeps its own size, pixel for pixel. Wine stretches no
# program, so what shows is the player's own scaling. The setting is taken back afterwards.
export VEBO_E2E_SESSION=$1/wine-192
mkdir -p "$VEBO_E2E_SESSION"
cp "$1/wine/arch" "$VEBO_E2E_SESSION/arch"
source "$(dirname "$0")/media_lib.sh" "$@"
desktop='HKCU\Control Panel\Desktop'
session_tool=$source_dir/tools/wine-session

restore() {
    wine reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1 || true
    "$session_tool" stop "$session" || true
}
trap 'cleanup; restore' EXIT
# Programs read the DPI when the Wine world starts.
wine reg add "$desktop" /v LogPixels /t REG_DWORD /d 192 /f >/dev/null
"$session_tool" stop "$session"
"$session_tool" start "$session" "$build/tests/win32/wine_idle.exe"
eval "$("$session_tool" env "$session")"

start_player long.wav
wait_window long.wav
[ "$cw $ch" = "256 296" ] || fail "sound window's client area $cw x $ch at 192 DPI"
wait_face PAUSE
screenshot media-wave-200.png
# The middle of STOP at 192 DPI: below the client area at 96.
click 196 276
clicked=$(now)
wait_exit "$pid" 60
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code after STOP"
at_least 3 "$(seconds_since "$clicked")" || fail "STOP took $(seconds_since "$clicked") s"

picture_probe=$build/tests/e2e/picture_probe.exe
wine "$picture_probe" write "$(winpath "$work/rings.bmp")" || fail "cannot write the test picture"
start "$exe" "$(winpath "$work/rings.bmp")"
wine "$picture_probe" check rings.bmp 60 "$(winpath "$shots/picture-200.bmp")" picture ||
    fail "the picture's window at 192 DPI"
wine "$winctl" close WINWAVE >/dev/null
wait_exit "$pid" 60
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code after closing the picture"
echo "display scale: sound window, faces, STOP and picture all right at 192 DPI"
