#!/usr/bin/env bash
# tools/setup against stand-ins for apt-get, dpkg and dpkg-query: a failed `apt-get update` (a
# mirror mid-sync) is warned of and the install goes on; a wine32:i386 that cannot be installed
# gives the x86_64 compiler and the win64 preset; a failed install of anything else stops set-up
# with a message that names the package.
set -euo pipefail
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/tools" "$work/bin"
cp "$tools/setup" "$tools/wine-preset" "$work/tools/"
# A machine that runs 32-bit code, and stand-ins that log what they are asked.
printf '#!/bin/sh\nexit 0\n' >"$work/tools/runs-32-bit"
cat >"$work/bin/apt-get" <<'EOS'
#!/bin/sh
echo "apt-get $*" >>"$LOG"
[ "$1" = update ] && { echo "E: File has unexpected size. Mirror sync in progress?" >&2; exit 100; }
for p in "$@"; do case " $UNINSTALLABLE " in *" $p "*) exit 100 ;; esac; done
EOS
cat >"$work/bin/dpkg-query" <<'EOS'
#!/bin/sh
for p in "$@"; do :; done
case " $MISSING " in *" $p "*) exit 1 ;; esac
printf 'install ok installed'
EOS
printf '#!/bin/sh\necho i386\n' >"$work/bin/dpkg"
printf '#!/bin/sh\necho 0\n' >"$work/bin/id"
chmod +x "$work/tools/"* "$work/bin/"*
export PATH="$work/bin:$PATH" LOG=$work/log MISSING="nsis wine32:i386 g++-mingw-w64-x86-64-posix"
fail() { echo "FAIL: $*"; cat "$LOG" "$work/err"; exit 1; }

UNINSTALLABLE=wine32:i386 "$work/tools/setup" 2>"$work/err" || fail "set-up stopped"
grep -qx 'apt-get update -qq' "$LOG" || fail "no update"
grep -q 'install .* nsis$' "$LOG" || fail "nsis not installed"
grep -q 'install .* g++-mingw-w64-x86-64-posix$' "$LOG" || fail "no x86_64 compiler"
[ "$(grep -c . "$work/err")" -eq 2 ] || fail "expected two warnings"
grep -q 'update failed' "$work/err" || fail "no warning of the failed update"
grep -q 'win64' "$work/err" || fail "no word of the win64 build"
[ "$("$work/tools/wine-preset")" = win64 ] || fail "the preset is not win64"

: >"$LOG"
if UNINSTALLABLE=nsis "$work/tools/setup" 2>"$work/err"; then fail "a failed install passed"; fi
grep -q 'could not install nsis; run tools/setup again later' "$work/err" || fail "no message"
! grep -q wine32 "$LOG" || fail "set-up went on after a failed install"
echo "set-up: goes on past a failed update, stops with a message on a failed install"
