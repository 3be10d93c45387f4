#!/usr/bin/env bash
# The player in a Wine session of its own at 192 DPI (Wine stretches no program): a sound
# window's client area is 256 by 296, its PLAY/PAUSE face the art doubled, a click on the scaled
# STOP closes it, and a picture keeps its own size, pixel for pixel.
export VEBO_E2E_SESSION=$1/wine-192
mkdir -p "$VEBO_E2E_SESSION"
cp "$1/wine/arch" "$VEBO_E2E_SESSION/arch"
source "$(dirname "$0")/media_lib.sh" "$@"
desktop='HKCU\Control Panel\Desktop'
sessions=$source_dir/tools/wine-session
trap 'cleanup; wine reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1; "$sessions" stop "$session"' EXIT
wine reg add "$desktop" /v LogPixels /t REG_DWORD /d 192 /f >/dev/null
"$sessions" stop "$session" # programs read the DPI when the Wine world starts
"$sessions" start "$session" "$build/tests/win32/wine_idle.exe"
eval "$("$sessions" env "$session")"

# A minute long: only STOP closes it within the test.
python3 "$source_dir/tools/make_media.py" wav "$work/minute.wav" --seconds 60
start_player minute.wav
wait_window minute.wav
[ "$cw $ch" = "256 296" ] || fail "sound window's client area $cw x $ch at 192 DPI"
wait_face PAUSE
screenshot media-wave-200.png
click 196 276 # the middle of STOP, below the client area at 96 DPI
wait_exit "$pid" 30

probe=$build/tests/e2e/picture_probe.exe
wine "$probe" write "$(winpath "$work/rings.bmp")" || fail "cannot write the picture"
start "$exe" "$(winpath "$work/rings.bmp")"
wine "$probe" check rings.bmp 60 "$(winpath "$shots/picture-200.bmp")" picture ||
    fail "the picture's window at 192 DPI"
wine "$winctl" close WINWAVE >/dev/null
echo "display scale: sound window, faces, STOP and picture all right at 192 DPI"
