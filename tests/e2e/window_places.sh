#!/usr/bin/env bash
# The real programs never open out of sight: a place saved wholly off the screen (left by a
# picture larger than the screen, or written by hand for the calculator) gives way to the
# default place, while a place partly on the screen is kept exactly. A picture named without
# a folder is found where the system looks for files.
source "$(dirname "$0")/lib.sh" "$@"
player=$build/player/VeboWAVE.exe
calc=$build/calc/VeboCALC.exe
probe=$build/tests/e2e/picture_probe.exe
wave_key='HKCU\Software\Tessaril\VeboWAVE'
calc_key='HKCU\Software\Tessaril\VeboCALC'
wine reg delete "$wave_key" /f >/dev/null 2>&1 || true

# "x y width height ..." as winctl prints a window's place.
inside_screen() {
    local x y w h
    read -r x y w h _ <<<"$1"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1024 ] && [ $((y + h)) -le 768 ]
}

# Shows picture $1, puts its window's place into $place, and closes it.
show_picture() {
    start "$player" "$(winpath "$work/$1")"
    place=$(wine "$winctl" wait WINWAVE 120 "$1" | tr -d '\r') || fail "no window for $1"
    wine "$winctl" close WINWAVE "$1" >/dev/null
    wait_exit "$pid" 60
}

wine "$probe" write "$(winpath "$work/huge.bmp")" 4096 4096 || fail "cannot write huge.bmp"
wine "$probe" write "$(winpath "$work/small.bmp")" 64 32 || fail "cannot write small.bmp"

# The huge picture is centred, so most of it lies off the screen, and its place is saved.
show_picture huge.bmp
read -r huge_x huge_y _ <<<"$place"
[ "$(reg_value "$wave_key" Cd4)" = "$huge_x" ] || fail "Cd4 is not the huge window's left $huge_x"
[ "$(reg_value "$wave_key" Ld4)" = "$huge_y" ] || fail "Ld4 is not the huge window's top $huge_y"
# The small picture would lie wholly off the screen at that place: it is centred instead.
show_picture small.bmp
inside_screen "$place" || fail "small picture's window at $place"
read -r x y w h _ <<<"$place"
[ "$x" -eq $((512 - w / 2)) ] && [ "$y" -eq $((384 - h / 2)) ] || fail "small window not centred: $place"

# A bare name: the picture is in the Windows folder, the player starts in another folder.
# No place saved, so that it opens centred, where the probe looks for it.
wine reg delete "$wave_key" /f >/dev/null 2>&1 || true
wine "$probe" write "$(winpath "$WINEPREFIX/drive_c/windows/vebo_found.bmp")" ||
    fail "cannot write the picture into the Windows folder"
mkdir -p "$work/elsewhere"
cd "$work/elsewhere"
start "$player" vebo_found.bmp
cd - >/dev/null
wine "$probe" check vebo_found.bmp 120 "$(winpath "$work/found.bmp")" picture ||
    fail "the picture in the Windows folder was not shown for its bare name"
wine "$winctl" close WINWAVE >/dev/null
wait_exit "$pid" 60
rm -f "$WINEPREFIX/drive_c/windows/vebo_found.bmp"

# The calculator: far off the screen it opens at its first-run place; partly off, as saved.
for case in "-5000 -5000 100 100" "-30 50 -30 50"; do
    read -r cd ld want_x want_y <<<"$case"
    wine reg add "$calc_key" /v Cd /t REG_SZ /d "$cd" /f >/dev/null
    wine reg add "$calc_key" /v Ld /t REG_SZ /d "$ld" /f >/dev/null
    start "$calc"
    place=$(wine "$winctl" wait '#32770' 60 VeboCALC | tr -d '\r') || fail "no calculator"
    read -r x y _ <<<"$place"
    wine "$winctl" close '#32770' VeboCALC >/dev/null
    wait_exit "$pid" 60
    [ "$x" -eq "$want_x" ] && [ "$y" -eq "$want_y" ] ||
        fail "calculator saved at ($cd, $ld) opened at ($x, $y)"
    [ "$(reg_value "$calc_key" Cd)" = "$want_x" ] || fail "Cd stored as $(reg_value "$calc_key" Cd)"
done
echo "window places: all checks passed"
