#!/usr/bin/env bash
# Windows from Vista on can load each program at a random address: it keeps its relocations
# and is marked DYNAMIC_BASE, and its data never runs (NX_COMPAT, and no section both writable
# and executable). Fails naming the program and what it lacks.
#   check_pe_headers.sh EXE...
set -euo pipefail
status=0
fail() {
    echo "FAIL: $*"
    status=1
}
for exe in "$@"; do
    name=$(basename "$exe")
    headers=$(objdump -p "$exe")
    for flag in DYNAMIC_BASE NX_COMPAT; do
        grep -Eq "^[[:space:]]+$flag\$" <<<"$headers" || fail "$name is not marked $flag"
    done
    relocations=$(awk '$1 == "Entry" && $2 == "5" { print $4 }' <<<"$headers")
    [ $((16#${relocations:-0})) -gt 0 ] || fail "$name has no relocations"
    # objdump marks a section CODE when it may run and READONLY when it may not be written.
    while read -r section; do
        fail "$name has section $section writable and executable"
    done < <(objdump -h "$exe" | awk '$1 ~ /^[0-9]+$/ { section = $2; next }
        /CODE/ && !/READONLY/ { print section }')
done
[ $status -eq 0 ] && echo "$*: relocations, DYNAMIC_BASE, NX_COMPAT, no writable code"
exit $status
