#!/usr/bin/env bash
# The release's installer is an ANSI NSIS program: it imports the ANSI forms of Windows'
# functions and no wide one, which Windows 95, 98 and ME lack.
#   installer_ansi.sh INSTALLER
set -euo pipefail
source "$(dirname "$0")/../tools/pe_imports.sh"
imports=$(imported_functions "$1")
wide=$(awk '$2 ~ /[a-z]W$/ { print $2 }' <<<"$imports")
[ -z "$wide" ] || { echo "FAIL: $(basename "$1") imports wide functions:" $wide; exit 1; }
grep -q 'A$' <<<"$imports" || { echo "FAIL: $(basename "$1") imports no ANSI function"; exit 1; }
echo "$(basename "$1"): ANSI, $(wc -l <<<"$imports") functions imported"
