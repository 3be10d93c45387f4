#!/usr/bin/env bash
# Files deep in folders: the real VeboWAVE.exe, started as the shell starts it, on a picture
# whose path passes 128 bytes and on a sound whose path, in Japanese, passes 260 bytes in 150
# characters. Each window bears the file's long name and shows the file: the picture pixel
# for pixel, the sound played in its window until it ends.
source "$(dirname "$0")/lib.sh" "$@"
exe=$build/player/VeboWAVE.exe
wine reg delete 'HKCU\Software\Tessaril\VeboWAVE' /f >/dev/null 2>&1 || true
# winepath cuts its answer at 260 bytes: the Windows path of a file under the root, written out.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

deep=$work/Meeting notes and project documents/Meeting notes and project documents
mkdir -p "$deep"
name='Quarterly review of the rings.bmp'
wine "$build/tests/e2e/picture_probe.exe" write "$(winpath "$work/rings.bmp")" ||
    fail "cannot write the test picture"
mv "$work/rings.bmp" "$deep/$name"
picture=$(windows_path "$deep/$name")
[ "${#picture}" -gt 128 ] || fail "the picture's path is only ${#picture} bytes"
start_as_shell "$exe" "\"$picture\""
wine "$build/tests/e2e/picture_probe.exe" check "$name" 60 \
    "$(winpath "$build/tests/e2e/deep_paths.bmp")" picture >/dev/null || {
    wine "$winctl" close WINWAVE >/dev/null 2>&1 || true
    fail "no window showing $name under its name"
}
wine "$winctl" close WINWAVE >/dev/null
wait_exit "$pid" 60
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code after closing the picture"

folder='会議の資料とプロジェクトのフォルダー'
deep="$deep/$folder/$folder"
mkdir -p "$deep"
name='四半期の音の記録.wav'
python3 "$source_dir/tools/make_media.py" wav "$deep/$name"
sound=$(windows_path "$deep/$name")
[ "$(printf %s "$sound" | wc -c)" -gt 260 ] || fail "the sound's path is under 260 bytes"
start_as_shell "$exe" "\"$sound\""
place=$(wine "$winctl" wait WINWAVE 60 | tr -d '\r') || fail "no window for $name"
title=${place#* * * * * * }
[ "$title" = "$name" ] || fail "sound window titled '$title'"
wine "$build/tests/e2e/media_probe.exe" wait PAUSE 30 >/dev/null || fail "the sound never played"
wait_exit "$pid" 60
[ "$exit_code" -eq 0 ] || fail "exit code $exit_code at the end of the sound"
echo "deep paths: ${#picture}-byte picture and $(printf %s "$sound" | wc -c)-byte sound shown"
