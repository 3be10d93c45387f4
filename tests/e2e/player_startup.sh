#!/usr/bin/env bash
# The real VeboWAVE.exe: no argument, a picture, a file for the shell, an overlong path.
source "$(dirname "$0")/lib.sh" "$@"
exe=$build/player/VeboWAVE.exe
key='HKCU\Software\Tessaril\VeboWAVE'
wine reg delete "$key" /f >/dev/null 2>&1 || true

# No argument, or blanks only: exit 0 at once, no window.
for args in "" "   "; do
    start "$exe" $args
    wait_exit $pid 60
    [ "$exit_code" -eq 0 ] || fail "exit code $exit_code without a file"
done
wine "$winctl" wait WINWAVE 0 >/dev/null && fail "a window appeared without a file"

# A path longer than MAX_PATH: refused with a box that says so, exit 0, no registry key.
start "$exe" "C:\\$(printf 'x%.0s' $(seq 300)).bmp"
text=$(wine "$winctl" button CallWAVE 60 | tr -d '\r') || fail "no CallWAVE box"
[ "$text" = "Path too long" ] || fail "box says '$text'"
wait_exit $pid 60
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code for an overlong command line"
wine reg query "$key" >/dev/null 2>&1 && fail "overlong command line still touched the registry"

# A picture: a WINWAVE window titled with the file's name; the bar values are stored.
python3 "$source_dir/tools/make_samples.py" "$work"
start "$exe" "$(winpath "$work/sample.bmp")"
place=$(wine "$winctl" wait WINWAVE 60 | tr -d '\r') || fail "no picture window"
title=${place#* * * * * * }
[ "$title" = sample.bmp ] || fail "window titled '$title'"
for pair in Quennet=0 BLx=0 BLy=0 BLcx=640; do
    value=$(reg_value "$key" "${pair%=*}")
    [ "$value" = "${pair#*=}" ] || fail "${pair%=*} is '$value'"
done
wine "$winctl" close WINWAVE
wait_exit $pid 60
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code after closing the picture"

# A file with no association: the "CallWAVE" box with the shell's message, then exit 0.
echo data >"$work/unknown.xyz"
start "$exe" "$(winpath "$work/unknown.xyz")"
text=$(wine "$winctl" button CallWAVE 60 | tr -d '\r') || fail "no CallWAVE box"
[ "$text" = "No association defined for that file" ] || fail "box says '$text'"
wait_exit $pid 60
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code after the box"
echo "player start-up: all checks passed"
