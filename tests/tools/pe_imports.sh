# The DLLs a Windows program uses, for the import check and the footprint table.
#   source pe_imports.sh

# DLLs in the import table: loaded with the program.
static_imports() {
    i686-w64-mingw32-objdump -p "$1" | awk '/DLL Name:/ { print $3 }'
}

# DLLs the program names but does not import: loaded when first needed.
on_demand_dlls() {
    i686-w64-mingw32-strings -a "$1" | grep -Eio '^[A-Za-z0-9_]+\.dll$' | sort -fu |
        grep -Fvix -f <(static_imports "$1") || true
}
