# The DLLs a Windows program uses, for the import check and the footprint table. The host's
# binutils read 32- and 64-bit Windows programs alike.
#   source pe_imports.sh

# DLLs in the import table: loaded with the program.
static_imports() {
    objdump -p "$1" | awk '/DLL Name:/ { print $3 }'
}

# DLLs the program names but does not import: loaded when first needed.
on_demand_dlls() {
    strings -a "$1" | grep -Eio '^[A-Za-z0-9_]+\.dll$' | sort -fu |
        grep -Fvix -f <(static_imports "$1") || true
}
