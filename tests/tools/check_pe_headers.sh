#!/usr/bin/env bash
# Windows from Vista on can load each program at a random address (relocations, DYNAMIC_BASE)
# and never runs its data (NX_COMPAT, no section both writable and executable: objdump calls
# a section CODE when it may run, READONLY when it may not be written). Fails naming the fault.
#   check_pe_headers.sh EXE...
status=0
for exe in "$@"; do
    faults=$(objdump -p "$exe" | awk '/^\t+DYNAMIC_BASE$/ { d = 1 } /^\t+NX_COMPAT$/ { n = 1 }
        $1 == "Entry" && $2 == 5 && $4 ~ /[1-9a-f]/ { r = 1 }
        END { if (!d) print "no DYNAMIC_BASE"; if (!n) print "no NX_COMPAT"
              if (!r) print "no relocations" }'
        objdump -h "$exe" | awk '$1 ~ /^[0-9]+$/ { s = $2 }
        /CODE/ && !/READONLY/ { print s " writable and executable" }')
    [ -z "$faults" ] && continue
    echo "FAIL: $(basename "$exe"): $(paste -sd, <<<"$faults" | sed 's/,/, /g')"
    status=1
done
[ $status -eq 0 ] && echo "$*: relocations, DYNAMIC_BASE, NX_COMPAT, no writable code"
exit $status
