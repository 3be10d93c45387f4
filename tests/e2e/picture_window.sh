#!/usr/bin/env bash
# The real VeboWAVE.exe as a picture viewer: an 8-bit picture, behind a Windows or an OS/2
# 1.x core header, opens a centred window whose client area is the picture at full size,
# pixel for pixel; a 24-bit JPEG-compressed one opens at its size with "Too many colors ..."
# and no message box; a picture whose header declares more than the file holds keeps the
# start size, is centred all the same, and stays white. Screenshots of the windows are kept
# in the build tree (tests/e2e/picture_window*.bmp, and .png where ImageMagick is).
source "$(dirname "$0")/lib.sh" "$@"
exe=$build/player/VeboWAVE.exe
probe=$build/tests/e2e/picture_probe.exe
shots=$build/tests/e2e
key='HKCU\Software\Tessaril\VeboWAVE'

# Shows $1, has the probe check its window ($3: picture, start or text) and keep a screenshot in
# $2.bmp; closes it and expects exit code 0. With $4, the player is started as the shell starts
# it, with $4 as its exact command line.
show_and_check() {
    local picture=$1 shot=$2
    # No saved place: centred.
    wine reg delete "$key" /f >/dev/null 2>&1 || true
    if [ $# -ge 4 ]; then
        start_as_shell "$exe" "$4"
    else
        start "$exe" "$(winpath "$picture")"
    fi
    wine "$probe" check "$(basename "$picture")" 60 "$(winpath "$shot.bmp")" "$3" || {
        wine "$winctl" close WINWAVE >/dev/null 2>&1 || true
        fail "window of $(basename "$picture")"
    }
    if command -v import >/dev/null; then
        import -display "$DISPLAY" -window root "$shot.png" || true
    fi
    wine "$winctl" close WINWAVE >/dev/null
    wait_exit "$pid" 60
    [ "$exit_code" -eq 0 ] || fail "exit code $exit_code after closing $(basename "$picture")"
}

wine "$probe" write "$(winpath "$work/rings.bmp")" || fail "cannot write the test picture"
show_and_check "$work/rings.bmp" "$shots/picture_window" picture
# Dropped on the program, a path with blanks arrives quoted, and a second dropped file after it.
mkdir -p "$work/My Pictures"
cp "$work/rings.bmp" "$work/My Pictures/"
quoted="\"$(winpath "$work/My Pictures/rings.bmp")\""
show_and_check "$work/My Pictures/rings.bmp" "$shots/picture_window_quoted" picture \
    "$quoted \"$(winpath "$work/jpeg.bmp")\""
wine "$probe" write-core "$(winpath "$work/rings_core.bmp")" || fail "cannot write the core picture"
show_and_check "$work/rings_core.bmp" "$shots/picture_window_core" picture
wine "$probe" write-jpeg "$(winpath "$work/jpeg.bmp")" || fail "cannot write the JPEG picture"
show_and_check "$work/jpeg.bmp" "$shots/picture_window_jpeg" text

# 30000 rows declared, a few present: the window keeps its start size and draws nothing.
cp "$work/rings.bmp" "$work/damaged.bmp"
printf '\x30\x75\x00\x00' | dd of="$work/damaged.bmp" bs=1 seek=22 conv=notrunc status=none
show_and_check "$work/damaged.bmp" "$shots/picture_window_damaged" start
echo "picture window: all checks passed"
