#!/usr/bin/env bash
# Footprint of the programs: size of each stripped .exe (resources included) against the
# 64 KiB goal, the DLLs each imports and those it loads only when first needed.
#   footprint.sh EXE...
set -euo pipefail
source "$(dirname "$0")/../tools/pe_imports.sh"
echo "Footprint of the stripped programs"
echo
echo "| program | bytes | KiB | goal KiB | imports | loaded when first needed |"
echo "|---|---:|---:|---:|---|---|"
for exe in "$@"; do
    awk -v name="$(basename "$exe")" -v bytes="$(stat -c %s "$exe")" \
        -v imports="$(static_imports "$exe" | tr '\n' ' ')" \
        -v on_demand="$(on_demand_dlls "$exe" | tr '\n' ' ')" \
        'BEGIN { printf "| %s | %d | %.1f | 64 | %s| %s|\n", name, bytes, bytes / 1024, imports, on_demand }'
done
