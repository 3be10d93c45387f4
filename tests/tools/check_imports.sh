#!/usr/bin/env bash
# A program for a bare Windows may import only system DLLs. Prints each program's size and
# imports (the size goal is 64 KiB per program), and fails on any other DLL.
set -euo pipefail
allowed='^(KERNEL32|USER32|GDI32|ADVAPI32|WINMM|SHELL32|COMDLG32|msvcrt)\.dll$'
status=0
for exe in "$@"; do
    [ -f "$exe" ] || { echo "FAIL: $exe missing"; status=1; continue; }
    imports=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print $3 }')
    echo "$(basename "$exe"): $(stat -c %s "$exe") bytes; imports:" $imports
    i686-w64-mingw32-objdump -f "$exe" | grep -q 'file format pei-i386' ||
        { echo "FAIL: $exe is not PE32 i386"; status=1; }
    [ "$(i686-w64-mingw32-objdump -p "$exe" | awk '/^Subsystem/ { print $2 }')" = 00000002 ] ||
        { echo "FAIL: $exe is not a GUI program"; status=1; }
    for dll in $imports; do
        grep -Eiq "$allowed" <<<"$dll" || { echo "FAIL: $exe imports $dll"; status=1; }
    done
done
exit $status
