#!/usr/bin/env bash
# A program for a bare Windows may import only known DLLs (kernel32, user32, gdi32, advapi32),
# which no copy beside it can replace, load only system DLLs, and use only the functions its
# committed lists name: its import table (imports/<program>.txt) and the functions it may look
# up when first needed (imports/<program>-looked-up.txt: any text in the program that a system
# DLL exports under that name). Fails, naming the function, when one appears or disappears; prints
# each program's size (the goal is 64 KiB) and DLLs.
#   check_imports.sh EXE...     (IMPORT_LISTS=DIR reads the lists from DIR instead)
set -euo pipefail
here=$(dirname "$0")
source "$here/pe_imports.sh"
# An extended regular expression that matches exactly the names of a list of DLLs.
any_of() {
    echo "^($(IFS='|'; echo "$*" | sed 's/\./\\./g'))$"
}
importable=$(any_of "${imported_dlls[@]}")
loadable=$(any_of "${system_dlls[@]}")
exports=$(mktemp)
trap 'rm -f "$exports"' EXIT
system_exports >"$exports"
[ -s "$exports" ] || { echo "FAIL: no Wine DLLs to read the system's export names from"; exit 1; }

# A list's entries, one "dll function" a line, the DLL in lower case.
pinned() {
    awk '!/^#/ && NF >= 2 { print tolower($1), $2 }' "$1" | sort -u
}

status=0
fail() {
    echo "FAIL: $*"
    status=1
}

for exe in "$@"; do
    [ -f "$exe" ] || { fail "$exe missing"; continue; }
    name=$(basename "$exe")
    stem=${IMPORT_LISTS:-$here/imports}/$(basename "$exe" .exe | tr '[:upper:]' '[:lower:]')
    list=$stem.txt
    lookups=$stem-looked-up.txt
    [ -f "$list" ] && [ -f "$lookups" ] ||
        { fail "$name has no lists of functions ($list, $lookups)"; continue; }
    imports=$(static_imports "$exe")
    on_demand=$(on_demand_dlls "$exe")
    echo "$name: $(stat -c %s "$exe") bytes; imports:" $imports "; on demand:" $on_demand
    i686-w64-mingw32-objdump -f "$exe" | grep -q 'file format pei-i386' ||
        fail "$name is not PE32 i386"
    [ "$(i686-w64-mingw32-objdump -p "$exe" | awk '/^Subsystem/ { print $2 }')" = 00000002 ] ||
        fail "$name is not a GUI program"
    for dll in $imports; do
        grep -Eiq "$importable" <<<"$dll" ||
            fail "$name imports $dll, which Windows may take from the program's own folder"
    done
    for dll in $on_demand; do
        grep -Eiq "$loadable" <<<"$dll" || fail "$name uses $dll"
    done

    imported=$(imported_functions "$exe")
    looked_up=$(looked_up_functions "$exe" "$exports")
    while read -r dll function; do
        fail "$name imports $dll $function, which $(basename "$list") does not list"
    done < <(comm -23 <(echo "$imported") <(pinned "$list") | sed '/^$/d')
    while read -r dll function; do
        fail "$name does not import $dll $function, which $(basename "$list") lists as imported"
    done < <(comm -13 <(echo "$imported") <(pinned "$list") | sed '/^$/d')
    # A name several DLLs export matches the one the list gives it.
    while read -r dll function; do
        grep -qx "$dll $function" <<<"$looked_up" ||
            fail "$name does not name $dll $function, which $(basename "$lookups") lists"
    done < <(pinned "$lookups")
    while read -r function; do
        pinned "$lookups" | awk -v f="$function" '$2 == f { found = 1 } END { exit !found }' &&
            continue
        dlls=$(grep " $function\$" <<<"$looked_up" | cut -d' ' -f1 | paste -sd/)
        fail "$name names $dlls $function, a function it may look up at run time," \
            "which $(basename "$lookups") does not list"
    done < <(echo "$looked_up" | awk 'NF { print $2 }' | sort -u)
    while read -r function; do
        fail "$function is listed both in $(basename "$list") and in $(basename "$lookups")"
    done < <(comm -12 <(pinned "$list" | awk '{ print $2 }' | sort -u) \
                      <(pinned "$lookups" | awk '{ print $2 }' | sort -u))
done
exit $status
