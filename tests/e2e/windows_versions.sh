#!/usr/bin/env bash
# Both real programs on every Windows they admit, as Wine reports it (winecfg -v, in the build
# tree's prefix only, set back when the test ends, failed or not): under win31 (Win32s) each
# ends at once with exit code 0 and no window; under each Windows from 95 and NT 3.51 to 10 a
# picture opens pixel for pixel, a sound plays to its end and closes its window, the
# calculator computes 12+3= to a display of 15, and each exits with code 0. A 64-bit prefix
# (the win64 build) offers only the Windows that had 64-bit editions, from XP x64 on: there
# the test checks that Wine refuses the older ones, and runs the programs on the others.
source "$(dirname "$0")/lib.sh" "$@"
player=$build/player/VeboWAVE.exe
calc=$build/calc/VeboCALC.exe
version_probe=$build/tests/e2e/version_probe.exe
picture_probe=$build/tests/e2e/picture_probe.exe
media_probe=$build/tests/e2e/media_probe.exe

original=$(wine winecfg -v | tr -d '\r')
[ -n "$original" ] || fail "winecfg reports no Windows version"
set_back() {
    cleanup
    wine winecfg -v "$original" || echo "FAIL: the prefix could not be set back to $original" >&2
}
trap set_back EXIT
trap 'exit 1' INT TERM HUP # through set_back, as on any other end

wine "$picture_probe" write "$(winpath "$work/rings.bmp")" || fail "cannot write the test picture"
python3 "$source_dir/tools/make_media.py" wav "$work/tone.wav" --seconds 1.5

# Sets the reported version and checks that a program sees it: "PLATFORM MAJOR.MINOR".
report() {
    wine winecfg -v "$1" || fail "winecfg cannot set $1"
    local seen
    seen=$(wine "$version_probe" reported | tr -d '\r')
    [ "$seen" = "$2" ] || fail "under $1 a program sees '$seen', not '$2'"
}

forget_places() {
    wine reg delete 'HKCU\Software\Tessaril\VeboWAVE' /f >/dev/null 2>&1 || true
    wine reg delete 'HKCU\Software\Tessaril\VeboCALC' /f >/dev/null 2>&1 || true
}

# $1 ends within 60 s with exit code 0; $2 names the run.
ends_cleanly() {
    wait_exit "$1" 60
    [ "$exit_code" -eq 0 ] || fail "$2: exit code $exit_code"
}

refused() {
    forget_places
    start "$player" "$(winpath "$work/rings.bmp")"
    ends_cleanly "$pid" "$1: the player"
    start "$calc"
    ends_cleanly "$pid" "$1: the calculator"
    # Past the check each writes its key: the player before its window, the calculator when
    # its dialog ends (nothing here would end one). With no key, neither got that far.
    for key in VeboWAVE VeboCALC; do
        wine reg query "HKCU\\Software\\Tessaril\\$key" >/dev/null 2>&1 &&
            fail "$1: $key went on past the platform check"
    done
    wine "$winctl" wait WINWAVE 0 >/dev/null && fail "$1: the player showed a window"
    wine "$winctl" wait '#32770' 0 VeboCALC >/dev/null && fail "$1: the calculator showed a window"
    return 0
}

admitted() {
    forget_places
    start "$player" "$(winpath "$work/rings.bmp")"
    wine "$picture_probe" check rings.bmp 60 "$(winpath "$work/rings-$1.bmp")" picture >/dev/null ||
        fail "$1: the picture window"
    wine "$winctl" close WINWAVE >/dev/null
    ends_cleanly "$pid" "$1: the picture"

    start "$player" "$(winpath "$work/tone.wav")"
    wine "$media_probe" wait PAUSE 60 >/dev/null || fail "$1: the sound never played"
    ends_cleanly "$pid" "$1: the sound"
    wine "$winctl" gone WINWAVE 0 || fail "$1: the sound's window is still there"

    start "$calc"
    local shown
    shown=$(wine "$version_probe" compute 12+3= 60 | tr -d '\r') || fail "$1: no calculator"
    [ "$shown" = 15 ] || fail "$1: 12+3= shows '$shown'"
    wine "$winctl" close '#32770' VeboCALC >/dev/null
    ends_cleanly "$pid" "$1: the calculator"
}

# A program without a compatibility manifest, as the probe, is told 6.2 from Windows 8 on.
if [ "$(cat "$session/arch" 2>/dev/null)" = win64 ]; then
    for name in win31 win95 win98 nt351 nt40 win2k winxp; do
        before=$(wine "$version_probe" reported | tr -d '\r')
        wine winecfg -v "$name" && fail "the 64-bit prefix took $name"
        [ "$(wine "$version_probe" reported | tr -d '\r')" = "$before" ] ||
            fail "refusing $name changed the version reported"
        echo "$name: refused by the 64-bit prefix, as expected"
    done
    versions=("winxp64=2 5.2" "vista=2 6.0" "win7=2 6.1" "win10=2 6.2")
else
    report win31 "0 3.10"
    refused win31
    echo "win31: both programs ended at once, with exit code 0 and no window"
    versions=("win95=1 4.0" "win98=1 4.10" "nt351=2 3.51" "nt40=2 4.0" "win2k=2 5.0" "winxp=2 5.1"
              "win7=2 6.1" "win10=2 6.2")
fi
for pair in "${versions[@]}"; do
    started=$(date +%s.%N)
    report "${pair%%=*}" "${pair#*=}"
    admitted "${pair%%=*}"
    echo "${pair%%=*}: all checks passed in $(awk -v t="$started" -v n="$(date +%s.%N)" \
        'BEGIN { printf "%.1f", n - t }') s"
done
echo "windows versions: all checks passed"
