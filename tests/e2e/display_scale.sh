#!/usr/bin/env bash
# The player at 200 %, in a Wine session of its own set to 192 DPI (Wine stretches no program,
# so what shows is the player's own scaling): a sound window's client area is 256 by 296 with
# its PLAY/PAUSE face the 20 by 20 art doubled, a click on the scaled STOP closes it, and a
# picture keeps its own size, pixel for pixel. The setting is taken back afterwards.
export VEBO_E2E_SESSION=$1/wine-192
mkdir -p "$VEBO_E2E_SESSION"
cp "$1/wine/arch" "$VEBO_E2E_SESSION/arch"
source "$(dirname "$0")/media_lib.sh" "$@"
desktop='HKCU\Control Panel\Desktop'
wine_session=$source_dir/tools/wine-session
trap 'cleanup; wine reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1; "$wine_session" stop "$session"' EXIT
# Programs read the DPI when the Wine world starts.
wine reg add "$desktop" /v LogPixels /t REG_DWORD /d 192 /f >/dev/null
"$wine_session" stop "$session"
"$wine_session" start "$session" "$build/tests/win32/wine_idle.exe"
eval "$("$wine_session" env "$session")"

# A minute long: only STOP can close it within the test.
python3 "$source_dir/tools/make_media.py" wav "$work/minute.wav" --seconds 60
start_player minute.wav
wait_window minute.wav
[ "$cw $ch" = "256 296" ] || fail "sound window's client area $cw x $ch at 192 DPI"
wait_face PAUSE
screenshot media-wave-200.png
click 196 276 # the middle of STOP, below the client area at 96 DPI
wait_exit "$pid" 30
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code after STOP"

picture_probe=$build/tests/e2e/picture_probe.exe
wine "$picture_probe" write "$(winpath "$work/rings.bmp")" || fail "cannot write the picture"
start "$exe" "$(winpath "$work/rings.bmp")"
wine "$picture_probe" check rings.bmp 60 "$(winpath "$shots/picture-200.bmp")" picture ||
    fail "the picture's window at 192 DPI"
wine "$winctl" close WINWAVE >/dev/null
wait_exit "$pid" 60
echo "display scale: sound window, faces, STOP and picture all right at 192 DPI"
