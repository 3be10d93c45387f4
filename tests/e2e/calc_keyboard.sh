#!/usr/bin/env bash
# The real VeboCALC.exe driven through the X keyboard: mnemonics, Enter for equals, Esc to
# end; the value it leaves in the registry, and a screenshot of the calculator.
source "$(dirname "$0")/lib.sh" "$@"
exe=$build/calc/VeboCALC.exe
key='HKCU\Software\Tessaril\VeboCALC'
shots=$build/screenshots
mkdir -p "$shots"

# The number of pure green pixels (the display's digits) in an image.
green_pixels() { convert "$1" txt:- | grep -c '#00FF00' || true; }

# Starts the calculator, sends the xdotool key steps given as arguments (each "type TEXT" or
# "key NAME..."), ends it with Esc and checks that OldVal was stored as $expected.
run_session() {
    local name=$1 expected=$2
    shift 2
    start "$exe"
    local place
    place=$(wine "$winctl" wait '#32770' 60 VeboCALC | tr -d '\r') || fail "$name: no calculator"
    focus_calculator 30
    local step
    for step in "$@"; do
        case "$step" in
        type\ *) xdotool type --delay 40 "${step#type }" ;;
        key\ *) xdotool key --delay 40 ${step#key } ;;
        esac
    done
    # The screenshot once the display has been painted (its digits are pure green).
    local x y w h rest limit=$(($(date +%s) + 30))
    read -r x y w h rest <<<"$place"
    while :; do
        import -display "$DISPLAY" -window root -crop "${w}x${h}+${x}+${y}" +repage \
            "$shots/VeboCALC-$name.png"
        [ "$(green_pixels "$shots/VeboCALC-$name.png")" -gt 20 ] && break
        [ "$(date +%s)" -lt "$limit" ] || fail "$name: the display shows no digits"
        sleep 0.2
    done
    xdotool key Escape
    wait_exit "$pid" 60
    [ "$exit_code" -eq 0 ] || fail "$name: exit code $exit_code"
    local value
    value=$(reg_value "$key" OldVal)
    [ "$value" = "$expected" ] || fail "$name: OldVal is '$value', not '$expected'"
    echo "$name: OldVal $value"
}

wine reg delete "$key" /f >/dev/null 2>&1 || true

# Left to right, no precedence; Enter presses the default button, equals.
run_session left-to-right 20.000000 "type 2+3*4" "key Return"
# Percent after a multiplication, completed by plus; "=" through its mnemonic.
run_session percent 230.000000 "type 200*15%" "type +" "type ="
# Hexa has no mnemonic: Shift+Tab reaches the checked radio button, Down selects Hexa.
run_session hexa 256.000000 "key shift+Tab Down" "type FF+1" "key Return"

# The place and memory were stored too; the next start shows the value of the last run.
[ "$(reg_value "$key" Cd)" = 100 ] || fail "Cd is '$(reg_value "$key" Cd)'"
[ "$(reg_value "$key" Ld)" = 100 ] || fail "Ld is '$(reg_value "$key" Ld)'"
[ "$(reg_value "$key" OldMem)" = 0.000000 ] || fail "OldMem is '$(reg_value "$key" OldMem)'"
run_session restart 256.000000
cp "$shots/VeboCALC-left-to-right.png" "$shots/VeboCALC.png"
echo "calculator keyboard: all checks passed; screenshot $shots/VeboCALC.png"
