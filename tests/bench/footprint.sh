#!/usr/bin/env bash
# Footprint of the programs: size of each stripped .exe (resources included) against the
# 64 KiB goal, and the DLLs each imports.
#   footprint.sh EXE...
set -euo pipefail
echo "Footprint of the stripped programs"
echo
echo "| program | bytes | KiB | goal KiB | imports |"
echo "|---|---:|---:|---:|---|"
for exe in "$@"; do
    bytes=$(stat -c %s "$exe")
    imports=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print $3 }' | tr '\n' ' ')
    awk -v name="$(basename "$exe")" -v bytes="$bytes" -v imports="$imports" \
        'BEGIN { printf "| %s | %d | %.1f | 64 | %s|\n", name, bytes, bytes / 1024, imports }'
done
