#!/usr/bin/env bash
# The packages as a user meets them. SHA256SUMS: the two programs and the two packages, as
# sha256sum -c checks them. The ZIP: the two programs and the read-me, nothing else. The
# installer, silent: programs, Start-menu shortcuts (none for VeboWAVE, which started without a
# file ends at once), uninstaller and Add/Remove entry, and no file association; the installed
# programs start and end; the silent uninstaller takes all of it away and keeps the user's
# settings, and another program's type key (.mov, a default value and no subkeys). A folder of
# another program is refused. Then a silent install with /ASSOCIATE: VeboWAVE offered for five
# types without taking any over, its command opening a picture; the uninstaller run by hand,
# "Yes" to removing the settings, and nothing of the program left. The installer script has no
# PATH code.
source "$(dirname "$0")/../e2e/lib.sh" "$@"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
# Packages are named for the Windows they are built for, which the prefix is made for too.
top=Vebo-$version-$(cat "$build/wine/arch")
zip=$build/packages/$top.zip
setup=$build/packages/$top.exe
install_dir='C:\Program Files\Tessaril\Vebo'
installed=$(winepath -u "$install_dir")
vendor_folder=$(dirname "$installed")
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vebo'
vendor_key='HKLM\Software\Tessaril'
shell_folders='HKLM\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders'
programs_folder=$(wine reg query "$shell_folders" /v 'Common Programs' | tr -d '\r' |
    sed -n 's/^ *Common Programs *REG_SZ *//p')
menu=$(winepath -u "$programs_folder\\VeboWAVE and VeboCALC")
extensions=(.wav .mid .avi .mov .bmp)
progid=Tessaril.VeboWAVE
settings_keys=('HKCU\Software\Tessaril\VeboWAVE' 'HKCU\Software\Tessaril\VeboCALC')

# The default value of a key; "(none)" when it has none or there is no such key.
default_value() {
    local out
    out=$(wine reg query "$1" /ve 2>/dev/null | tr -d '\r') || out=
    out=$(sed -n 's/^ *(Default) *REG_[A-Z_]* *//p' <<<"$out")
    if [ -z "$out" ] || [ "$out" = "(value not set)" ]; then
        out="(none)"
    fi
    echo "$out"
}

# Everything under the keys an association of VeboWAVE would touch.
classes_state() {
    local key
    for key in "${extensions[@]}" "$progid" 'Applications\VeboWAVE.exe'; do
        echo "[$key]"
        wine reg query "HKCR\\$key" /s 2>/dev/null | tr -d '\r' || true
    done
}

key_exists() { wine reg query "$1" >/dev/null 2>&1; }

# Deletes a key of the prefix that holds neither values nor subkeys.
delete_if_empty() {
    local out
    out=$(wine reg query "$1" 2>/dev/null | tr -d '\r') || return 0
    [ -n "${out//[$'\n ']/}" ] || wine reg delete "$1" /f >/dev/null 2>&1 || true
}

# What an interrupted run may have left: the next run starts from a prefix without it.
forget_installation() {
    wine "$winctl" kill "$(basename "$setup")" VeboUninstall.exe Un.exe >/dev/null 2>&1 || true
    rm -rf "$vendor_folder" "$menu"
    local key
    for key in "$uninstall_key" "$vendor_key" "HKCR\\$progid" 'HKCR\Applications\VeboWAVE.exe' \
        'HKCU\Software\Tessaril\Other'; do
        wine reg delete "$key" /f >/dev/null 2>&1 || true
    done
    for key in "${extensions[@]}"; do
        wine reg delete "HKCR\\$key\\OpenWithProgids" /v "$progid" /f >/dev/null 2>&1 || true
        delete_if_empty "HKCR\\$key\\OpenWithProgids"
        delete_if_empty "HKCR\\$key"
    done
}
trap 'forget_installation; cleanup' EXIT

# Runs the uninstaller where it is installed, the way an installer calls it: without _?= it
# would copy itself away and return at once; with it, it cannot delete itself or its folder.
uninstall_in_place() {
    printf '@"%s\\VeboUninstall.exe" /S _?=%s\r\n' "$install_dir" "$install_dir" \
        >"$work/uninstall.bat"
    wine cmd /c "$(winpath "$work/uninstall.bat")" </dev/null || fail "uninstaller exit code $?"
    local left
    left=$(ls -A "$installed")
    [ "$left" = VeboUninstall.exe ] || fail "left in the install folder: $left"
    rm "$installed/VeboUninstall.exe"
    rmdir "$installed" "$vendor_folder"
}

check_installed() {
    local file
    for file in VeboWAVE.exe VeboCALC.exe VeboReadMe.txt VeboUninstall.exe; do
        [ -f "$installed/$file" ] || fail "$file not installed"
    done
    for file in VeboWAVE.exe VeboCALC.exe VeboReadMe.txt; do
        unzip -p "$zip" "$top/$file" | cmp -s - "$installed/$file" || fail "installed $file differs"
    done
    local link target
    for link in VeboCALC:VeboCALC.exe "Read me:VeboReadMe.txt" Uninstall:VeboUninstall.exe; do
        target="$install_dir\\${link#*:}"
        [ -f "$menu/${link%%:*}.lnk" ] || fail "no Start-menu shortcut ${link%%:*}"
        grep -aqF "$target" "$menu/${link%%:*}.lnk" || fail "${link%%:*}.lnk is not for $target"
    done
    [ ! -e "$menu/VeboWAVE.lnk" ] || fail "a Start-menu shortcut to VeboWAVE"
    local pair value
    for pair in "DisplayName=VeboWAVE and VeboCALC" "DisplayVersion=$version" Publisher=Tessaril \
        "DisplayIcon=$install_dir\\VeboWAVE.exe" \
        "UninstallString=\"$install_dir\\VeboUninstall.exe\""; do
        value=$(reg_value "$uninstall_key" "${pair%%=*}")
        [ "$value" = "${pair#*=}" ] || fail "Add/Remove ${pair%%=*} is '$value'"
    done
    wine uninstaller --list | tr -d '\r' | grep -qx 'Vebo|||VeboWAVE and VeboCALC' ||
        fail "not in Wine's list of installed programs"
}

# $1: whether the user's settings were to be "kept" or "removed".
check_uninstalled() {
    [ ! -e "$menu" ] || fail "Start-menu folder left: $(ls -A "$menu")"
    ! key_exists "$uninstall_key" || fail "Add/Remove entry left"
    ! wine uninstaller --list | tr -d '\r' | grep -q 'VeboWAVE and VeboCALC' ||
        fail "still in Wine's list of installed programs"
    ! key_exists "$vendor_key" || fail "$vendor_key left"
    local key
    for key in "${settings_keys[@]}"; do
        if [ "$1" = kept ]; then
            key_exists "$key" || fail "$key removed"
        else
            ! key_exists "$key" || fail "$key left"
        fi
    done
    [ "$(classes_state)" = "$classes_before" ] || fail "associations changed: $(classes_state)"
}

# The checksums published beside the packages: all four files, and the programs as built.
listed=$(awk '{ print $2 }' "$build/packages/SHA256SUMS" | LC_ALL=C sort | tr '\n' ' ')
[ "$listed" = "$(basename "$setup") $(basename "$zip") VeboCALC.exe VeboWAVE.exe " ] ||
    fail "SHA256SUMS lists $listed"
(cd "$build/packages" && sha256sum --check --quiet SHA256SUMS) || fail "SHA256SUMS does not check"
cmp -s "$build/packages/VeboWAVE.exe" "$build/player/VeboWAVE.exe" ||
    fail "published VeboWAVE.exe differs from the build's"
cmp -s "$build/packages/VeboCALC.exe" "$build/calc/VeboCALC.exe" ||
    fail "published VeboCALC.exe differs from the build's"

# The ZIP: one folder with the two programs as built and the read-me in CR LF lines.
listing=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
[ "$listing" = "$top/VeboCALC.exe $top/VeboReadMe.txt $top/VeboWAVE.exe " ] ||
    fail "the ZIP holds $listing"
unzip -p "$zip" "$top/VeboWAVE.exe" | cmp -s - "$build/player/VeboWAVE.exe" ||
    fail "zipped VeboWAVE.exe differs from the build's"
unzip -p "$zip" "$top/VeboCALC.exe" | cmp -s - "$build/calc/VeboCALC.exe" ||
    fail "zipped VeboCALC.exe differs from the build's"
readme=$(unzip -p "$zip" "$top/VeboReadMe.txt")
[ "$(head -n 1 <<<"$readme")" = "VeboWAVE and VeboCALC $version"$'\r' ] ||
    fail "read-me does not start with the version"
! grep -qv $'\r$' <<<"$readme" || fail "read-me has lines without CR LF"

# The installer script as CPack made it from the project's template: nothing in it reads or
# writes PATH (CMake's own removes $INSTDIR\bin from it at every uninstall, and on Windows 95
# rewrites AUTOEXEC.BAT to do so).
script=$build/packages/_CPack_Packages/$(cat "$build/wine/arch")/NSIS/project.nsi
[ -f "$script" ] || fail "no installer script at $script"
! grep -vE '^[[:space:]]*;' "$script" |
    grep -nE 'PATH|AUTOEXEC|Environment|AddToPath|RemoveFromPath|WriteRegExpandStr' ||
    fail "the installer script has PATH code"

forget_installation
# Another program's type: a key with a default value and no subkeys, which the uninstaller's
# "delete if empty" must leave as it is.
wine reg delete 'HKCR\.mov' /f >/dev/null 2>&1 || true
wine reg add 'HKCR\.mov' /ve /d OtherPlayer.movie /f >/dev/null
classes_before=$(classes_state)
python3 "$source_dir/tools/make_samples.py" "$work"

# A silent install: everything in place, no association.
wine "$setup" /S || fail "installer exit code $?"
check_installed
[ "$(classes_state)" = "$classes_before" ] ||
    fail "a plain install touched associations: $(classes_state)"

# The installed programs: each shows its window, closes and ends with exit code 0 (and leaves
# its settings behind for the uninstaller to keep).
start "$installed/VeboCALC.exe"
wine "$winctl" wait '#32770' 60 VeboCALC >/dev/null || fail "installed VeboCALC shows no window"
wine "$winctl" close '#32770' VeboCALC
wait_exit "$pid" 60
[ "$exit_code" -eq 0 ] || fail "VeboCALC exit code $exit_code"
start "$installed/VeboWAVE.exe" "$(winpath "$work/sample.bmp")"
place=$(wine "$winctl" wait WINWAVE 60 | tr -d '\r') || fail "installed VeboWAVE shows no window"
[ "${place#* * * * * * }" = sample.bmp ] || fail "VeboWAVE window is '$place'"
wine "$winctl" close WINWAVE
wait_exit "$pid" 60
[ "$exit_code" -eq 0 ] || fail "VeboWAVE exit code $exit_code"

uninstall_in_place
check_uninstalled kept

# With Vebo installed, another program's folder named with /D: refused before the installed Vebo
# is touched, and nothing of it overwritten.
wine "$setup" /S || fail "installer exit code $?"
other=$work/otherprogram # /D takes no quotation marks, and wine would add them for a blank
mkdir -p "$other"
echo "another program's uninstaller" >"$other/Uninstall.exe"
echo "another program's read-me" >"$other/ReadMe.txt"
wine "$setup" /S "/D=$(winpath "$other")" && fail "installed into another program's folder"
[ "$(ls -A "$other" | tr '\n' ' ')" = "ReadMe.txt Uninstall.exe " ] ||
    fail "the other program's folder now holds $(ls -A "$other")"
[ "$(cat "$other/Uninstall.exe")" = "another program's uninstaller" ] ||
    fail "the other program's file was overwritten"
check_installed # the earlier one, left as it was

# Over an earlier version whose uninstaller had another name: it is uninstalled and the new one
# goes in its place. With /ASSOCIATE: VeboWAVE under "Open with" of the five types; their
# defaults untouched.
mv "$installed/VeboUninstall.exe" "$installed/Uninstall.exe"
wine reg add "$uninstall_key" /v UninstallString /d "$install_dir\\Uninstall.exe" /f >/dev/null
declare -A defaults_before
for extension in "${extensions[@]}"; do
    defaults_before[$extension]=$(default_value "HKCR\\$extension")
done
wine "$setup" /S /ASSOCIATE || fail "installer exit code $? over an earlier version"
check_installed
[ ! -e "$installed/Uninstall.exe" ] || fail "the earlier version's uninstaller is left"
command="\"$install_dir\\VeboWAVE.exe\" %1"
for key in "HKCR\\$progid\\shell\\open\\command" \
    'HKCR\Applications\VeboWAVE.exe\shell\open\command'; do
    [ "$(default_value "$key")" = "$command" ] || fail "$key is '$(default_value "$key")'"
done
icon=$(default_value "HKCR\\$progid\\DefaultIcon")
[ "$icon" = "$install_dir\\VeboWAVE.exe,0" ] || fail "DefaultIcon is '$icon'"
for extension in "${extensions[@]}"; do
    wine reg query "HKCR\\$extension\\OpenWithProgids" /v "$progid" >/dev/null 2>&1 ||
        fail "VeboWAVE not offered for $extension"
    wine reg query 'HKCR\Applications\VeboWAVE.exe\SupportedTypes' /v "$extension" \
        >/dev/null 2>&1 ||
        fail "$extension not among VeboWAVE's supported types"
    [ "$(default_value "HKCR\\$extension")" = "${defaults_before[$extension]}" ] ||
        fail "the default program of $extension changed"
done

# The registered command, as the shell runs it, on a picture in a folder with a blank.
mkdir "$work/my pictures"
cp "$work/sample.bmp" "$work/my pictures/sample.bmp"
picture=$(winpath "$work/my pictures/sample.bmp")
printf '@%s\r\n' "${command//%1/"$picture"}" >"$work/open.bat"
wine cmd /c "$(winpath "$work/open.bat")" </dev/null &
pid=$!
programs+=("$pid")
images+=(VeboWAVE.exe)
place=$(wine "$winctl" wait WINWAVE 60 | tr -d '\r') || fail "no window from the registered command"
# A client area of 240 by 160 is the picture itself: the whole path arrived and was read.
read -r _ _ _ _ width height title <<<"$place"
[ "$width $height $title" = "240 160 sample.bmp" ] || fail "the registered command shows '$place'"
wine "$winctl" close WINWAVE
wait_exit "$pid" 60

# The uninstaller as Add/Remove starts it, answered by hand: it returns at once and goes on
# from a copy of itself. "Yes" to the question takes the settings too, but not a key of
# another Tessaril program beside them. The vendor's folder goes last.
wine reg add 'HKCU\Software\Tessaril\Other' /v Kept /d 1 /f >/dev/null
wine "$installed/VeboUninstall.exe" </dev/null || fail "uninstaller exit code $?"
# The start of the caption the wizard and its question share.
caption="VeboWAVE and VeboCALC Uninstall"
wine "$winctl" click "$caption" "&Uninstall" 60 || fail "no Uninstall button"
wine "$winctl" click "$caption" "&Yes" 60 || fail "no question about the settings"
wine "$winctl" click "$caption" "&Close" 60 || fail "the uninstaller did not finish"
limit=$(($(date +%s) + 60))
while [ -e "$vendor_folder" ]; do
    [ "$(date +%s)" -lt "$limit" ] || fail "uninstaller still not done after 60 s"
    sleep 0.1
done
check_uninstalled removed
[ "$(default_value 'HKCR\.mov')" = OtherPlayer.movie ] || fail "another program's .mov key went"
[ "$(reg_value 'HKCU\Software\Tessaril\Other' Kept)" = 1 ] || fail "another program's key went too"
wine reg delete 'HKCU\Software\Tessaril\Other' /f >/dev/null
echo "package install cycle: all checks passed"
