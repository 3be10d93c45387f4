#!/usr/bin/env bash
# File names outside any one code page: the real VeboWAVE.exe, started as the shell starts it
# (CreateProcessW with the exact wide command line), on a picture, a sound and a text file
# named in Greek, Japanese and an emoji, in folders named in Japanese whose paths pass 260
# bytes in 130 characters. The picture opens under its name and is drawn, the sound plays and
# closes itself at its end, and the text file reaches its associated program under its name.
source "$(dirname "$0")/lib.sh" "$@"
exe=$build/player/VeboWAVE.exe
key='HKCU\Software\Tessaril\VeboWAVE'
name='Ωμέγα 日本 🎵'
folder='会議の資料とプロジェクトのフォルダー'
deep="$work/$folder/$folder/$folder/$folder"
mkdir -p "$deep"
# winepath cuts its answer at 260 bytes: the Windows path of a file under the root, written out.
deep_path() { printf 'Z:%s' "${deep//\//\\}\\$1"; }
wine reg delete "$key" /f >/dev/null 2>&1 || true

# The picture's window is found by its title in wide characters, then checked pixel for pixel.
wine "$build/tests/e2e/picture_probe.exe" write "$(winpath "$work/rings.bmp")" ||
    fail "cannot write the test picture"
mv "$work/rings.bmp" "$deep/$name.bmp"
[ "$(deep_path "$name.bmp" | wc -c)" -gt 260 ] || fail "the folders are not deep enough"
start_as_shell "$exe" "$(deep_path "$name.bmp")"
wine "$build/tests/e2e/picture_probe.exe" check "$name.bmp" 60 \
    "$(winpath "$build/tests/e2e/file_names.bmp")" picture >/dev/null || {
    wine "$winctl" close WINWAVE >/dev/null 2>&1 || true
    fail "no window showing $name.bmp under its name"
}
wine "$winctl" close WINWAVE >/dev/null
wait_exit "$pid" 60
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code after closing the picture"

python3 "$source_dir/tools/make_media.py" wav "$deep/$name.wav"
start_as_shell "$exe" "$(deep_path "$name.wav")"
place=$(wine "$winctl" wait WINWAVE 60 | tr -d '\r') || fail "no window for $name.wav"
title=${place#* * * * * * }
[ "$title" = "$name.wav" ] || fail "sound window titled '$title'"
wine "$build/tests/e2e/media_probe.exe" wait PAUSE 30 >/dev/null || fail "the sound never played"
wait_exit "$pid" 60
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code at the end of the sound"

# .txt opens with a copy of the recording program, so that no other test's record is touched.
txt_default=$(wine reg query 'HKCR\.txt' /ve 2>/dev/null | tr -d '\r' |
    awk '/REG_SZ/ { sub(/^.*REG_SZ[ \t]*/, ""); print; exit }') || true
restore_txt() {
    if [ -n "$txt_default" ]; then
        wine reg add 'HKCR\.txt' /ve /d "$txt_default" /f >/dev/null 2>&1 || true
    else
        wine reg delete 'HKCR\.txt' /ve /f >/dev/null 2>&1 || true
    fi
    wine reg delete 'HKCR\vebonamesfile' /f >/dev/null 2>&1 || true
    cleanup
}
trap restore_txt EXIT
cp "$build/tests/win32/record_args.exe" "$work/"
wine reg add 'HKCR\.txt' /ve /d vebonamesfile /f >/dev/null
wine reg add 'HKCR\vebonamesfile\shell\open\command' /ve \
    /d "\"$(winpath "$work/record_args.exe")\" \"%1\" %*" /f >/dev/null
echo text >"$deep/$name.txt"
# A parameter after the name: the split must find the file at the blank after it.
start_as_shell "$exe" "$(deep_path "$name.txt") /p"
wait_exit "$pid" 60
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code after handing off $name.txt"
limit=$(($(date +%s) + 60))
until [ -f "$work/record_args.txt" ]; do
    [ "$(date +%s)" -lt "$limit" ] || fail "the associated program never ran"
    sleep 0.1
done
received=$(head -n 1 "$work/record_args.txt" | tr -d '\r')
[[ "$received" == *"\"$(deep_path "$name.txt")\" /p"* ]] ||
    fail "the associated program was started with: $received"
echo "file names: picture, sound and hand-off all kept '$name'"
