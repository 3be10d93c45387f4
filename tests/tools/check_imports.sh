#!/usr/bin/env bash
# A program for a bare Windows may use only system DLLs, whether it imports them or loads them
# when first needed. Prints each program's size and DLLs (the size goal is 64 KiB per
# program), and fails on any other DLL.
set -euo pipefail
source "$(dirname "$0")/pe_imports.sh"
allowed='^(KERNEL32|USER32|GDI32|ADVAPI32|WINMM|SHELL32|OLE32|OLEACC|OLEAUT32|COMDLG32|msvcrt)\.dll$'
status=0
for exe in "$@"; do
    [ -f "$exe" ] || { echo "FAIL: $exe missing"; status=1; continue; }
    imports=$(static_imports "$exe")
    on_demand=$(on_demand_dlls "$exe")
    echo "$(basename "$exe"): $(stat -c %s "$exe") bytes; imports:" $imports "; on demand:" $on_demand
    i686-w64-mingw32-objdump -f "$exe" | grep -q 'file format pei-i386' ||
        { echo "FAIL: $exe is not PE32 i386"; status=1; }
    [ "$(i686-w64-mingw32-objdump -p "$exe" | awk '/^Subsystem/ { print $2 }')" = 00000002 ] ||
        { echo "FAIL: $exe is not a GUI program"; status=1; }
    for dll in $imports $on_demand; do
        grep -Eiq "$allowed" <<<"$dll" || { echo "FAIL: $exe uses $dll"; status=1; }
    done
done
exit $status
