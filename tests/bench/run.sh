#!/usr/bin/env bash
# Runs every benchmark in the build tree's Wine session and prints their tables.
#   run.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
# Ninja knows the target is done when every holder of the pipe it handed over has closed it;
# the Wine servers this script may start would hold it for ever.
for fd in $(ls /proc/$$/fd); do
    [ "$fd" -gt 2 ] && eval "exec $fd>&-"
done
build=$1
source_dir=$2
bench=$build/tests/bench
session=$build/wine
"$source_dir/tools/wine-session" start "$session" "$build/tests/win32/wine_idle.exe"
eval "$("$source_dir/tools/wine-session" env "$session")"
# A window left by an earlier run would be counted as the program's own.
wine "$build/tests/win32/winctl.exe" kill VeboWAVE.exe VeboCALC.exe >/dev/null 2>&1 || true

echo "Machine: $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)," \
    "$(nproc) cores; $(wine --version); $(date -u +%Y-%m-%d)"
echo
# A benchmark that fails says so in its output; the others still run.
status=0
run() {
    "$@" | tr -d '\r' || status=1
    echo
}
run wine "$bench/startup_bench.exe" "$build/player/VeboWAVE.exe" "$build/calc/VeboCALC.exe" \
    "$bench/floor_window.exe" "$bench/floor_dialog.exe" "$bench/template_dialog.exe"
run wine "$bench/repaint_bench.exe"
run bash "$source_dir/tests/bench/footprint.sh" "$build/player/VeboWAVE.exe" \
    "$build/calc/VeboCALC.exe"
run wine "$bench/wakeup_bench.exe"
exit $status
