# The DLLs and functions a Windows program uses, for the import check and the footprint
# table. The host's binutils read 32- and 64-bit Windows programs alike.
#   source pe_imports.sh

# The DLLs a program may import: known DLLs on every Windows NT, which Windows always loads
# from its system folder, so that no copy planted beside the program is loaded in their place.
imported_dlls=(kernel32.dll user32.dll gdi32.dll advapi32.dll)
# The system DLLs a program may use: those, and the ones it loads when first needed, by full
# path from the system folder.
system_dlls=("${imported_dlls[@]}" winmm.dll shell32.dll ole32.dll oleacc.dll oleaut32.dll)

# DLLs in the import table: loaded with the program.
static_imports() {
    objdump -p "$1" | awk '/DLL Name:/ { print $3 }'
}

# Functions in the import table, one "dll function" a line, the DLL in lower case.
imported_functions() {
    objdump -p "$1" | awk '/DLL Name:/ { dll = tolower($3); next }
        dll != "" && NF == 0 { dll = "" }
        dll != "" && NF == 3 && $1 ~ /^[0-9a-f]+$/ { print dll, $3 }' | sort -u
}

# DLLs the program names but does not import: loaded when first needed.
on_demand_dlls() {
    strings -a "$1" | grep -Eio '^[A-Za-z0-9_]+\.dll$' | sort -fu |
        grep -Fvix -f <(static_imports "$1") || true
}

# Every name the system DLLs export, one "dll name" a line, read from Wine's own DLLs of both
# architectures (whichever are installed); nothing when there are none.
system_exports() {
    local dir dll
    for dir in /usr/lib/i386-linux-gnu/wine/i386-windows /usr/lib/x86_64-linux-gnu/wine/x86_64-windows; do
        for dll in "${system_dlls[@]}"; do
            [ -f "$dir/$dll" ] || continue
            objdump -p "$dir/$dll" | awk -v dll="$dll" '/^\[Ordinal\/Name Pointer\] Table/ { on = 1; next }
                on && NF == 0 { on = 0 }
                on { print dll, $NF }'
        done
    done | sort -u
}

# Functions the program may look up at run time: each text in it that a system DLL exports
# by that name and that it does not import, one "dll name" a line (a name several DLLs export
# gives a line for each).
looked_up_functions() {
    local exe=$1 exports=$2
    awk 'FILENAME == ARGV[1] { imported[$2] = 1; next }
         FILENAME == ARGV[2] { text[$0] = 1; next }
         ($2 in text) && !($2 in imported) { print }' \
        <(imported_functions "$exe") <(strings -a "$exe" | sort -u) "$exports" | sort -u
}
