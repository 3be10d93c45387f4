#!/usr/bin/env bash
# The programs come out byte for byte the same from another build folder: the two are built
# again, alone, in a temporary folder with the build's settings and compared with the build's.
#   reproducible_build.sh BUILD_DIR SOURCE_DIR GENERATOR TOOLCHAIN_FILE BUILD_TYPE
set -euo pipefail
build=$1
source_dir=$2
again=$(mktemp -d "${TMPDIR:-/tmp}/vebo-again.XXXXXX")
trap 'rm -rf "$again"' EXIT
cmake -S "$source_dir" -B "$again" -G "$3" --toolchain "$4" -DCMAKE_BUILD_TYPE="$5" \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build "$again" --target VeboWAVE VeboCALC --parallel 2 >/dev/null
status=0
for program in player/VeboWAVE.exe calc/VeboCALC.exe; do
    if cmp "$build/$program" "$again/$program"; then
        echo "$program: the same $(stat -c %s "$build/$program") bytes from $again"
    else
        status=1
    fi
done
exit $status
