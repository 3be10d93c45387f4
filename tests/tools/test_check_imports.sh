#!/usr/bin/env bash
# The import check itself: it passes on the player and its list, and fails, naming each
# function, on a list that misses an import, names an import the player does not have (a
# multiple-monitor function, the mistake that kept the programs off Windows 95), or misses a
# function the player looks up; and, whatever the lists say, on a program that imports a DLL
# outside the known ones (a C runtime DLL, which a planted copy beside it could replace).
#   test_check_imports.sh VEBOWAVE_EXE
set -euo pipefail
here=$(dirname "$0")
exe=$1
lists=$(mktemp -d)
trap 'rm -rf "$lists"' EXIT

bash "$here/check_imports.sh" "$exe" >/dev/null || { echo "FAIL: the check fails on $exe"; exit 1; }

cp "$here/imports/vebowave.txt" "$here/imports/vebowave-looked-up.txt" "$lists/"
sed -i '/ SetWindowTextA$/d' "$lists/vebowave.txt"
sed -i '/ mciSendCommandA$/d' "$lists/vebowave-looked-up.txt"
echo 'user32.dll   MonitorFromRect' >>"$lists/vebowave.txt"
if out=$(IMPORT_LISTS=$lists bash "$here/check_imports.sh" "$exe"); then
    echo "FAIL: the check passed on a wrong list"
    exit 1
fi
for expected in \
    "VeboWAVE.exe imports user32.dll SetWindowTextA, which vebowave.txt does not list" \
    "VeboWAVE.exe does not import user32.dll MonitorFromRect, which vebowave.txt lists as imported" \
    "VeboWAVE.exe names winmm.dll mciSendCommandA, a function it may look up at run time" \
    "MonitorFromRect is listed both in vebowave.txt and in vebowave-looked-up.txt"; do
    grep -qF "FAIL: $expected" <<<"$out" || {
        echo "FAIL: the check did not say '$expected'; it said:"
        echo "$out"
        exit 1
    }
done

# The player with MSVCRT.dll in place of USER32.dll in its import table, and lists that agree.
planted=$(mktemp -d)
trap 'rm -rf "$lists" "$planted"' EXIT
LC_ALL=C sed 's/USER32\.dll/MSVCRT.dll/' "$exe" >"$planted/VeboWAVE.exe"
sed 's/^user32\.dll /msvcrt.dll /' "$here/imports/vebowave.txt" >"$planted/vebowave.txt"
cp "$here/imports/vebowave-looked-up.txt" "$planted/"
if out=$(IMPORT_LISTS=$planted bash "$here/check_imports.sh" "$planted/VeboWAVE.exe"); then
    echo "FAIL: the check passed on a program that imports MSVCRT.dll"
    exit 1
fi
expected="FAIL: VeboWAVE.exe imports MSVCRT.dll, which Windows may take from the program's own folder"
grep -qxF "$expected" <<<"$out" || {
    echo "FAIL: the check did not say '$expected'; it said:"
    echo "$out"
    exit 1
}
echo "import check: names every function added, missing or misfiled, and every DLL not known"
