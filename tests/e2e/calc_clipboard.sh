#!/usr/bin/env bash
# The real VeboCALC.exe and the clipboard of the prefix, written and read by another program
# (winctl): Ctrl+C, Ctrl+Insert and the system menu's Copy give it the shown number; in a
# second run Ctrl+V and Shift+Insert type the numbers it was given.
source "$(dirname "$0")/lib.sh" "$@"
exe=$build/calc/VeboCALC.exe
key='HKCU\Software\Tessaril\VeboCALC'

clipboard() { wine "$winctl" clipboard "$@" | tr -d '\r'; }

# Waits up to $1 seconds for the clipboard to hold $2.
wait_clipboard() {
    local limit=$(($(date +%s) + $1)) text=
    while :; do
        text=$(clipboard get || true)
        [ "$text" = "$2" ] && return 0
        [ "$(date +%s)" -lt "$limit" ] || fail "the clipboard holds '$text', not '$2'"
        sleep 0.1
    done
}

# Starts the calculator and waits for it to take the keyboard.
start_calculator() {
    start "$exe"
    wine "$winctl" wait '#32770' 60 VeboCALC >/dev/null || fail "no calculator"
    focus_calculator 30
}

# Ends the calculator with the keys $1 and checks that it stored the value $2.
end_calculator() {
    xdotool key --delay 40 $1
    wait_exit "$pid" 60
    [ "$exit_code" -eq 0 ] || fail "exit code $exit_code"
    local value
    value=$(reg_value "$key" OldVal)
    [ "$value" = "$2" ] || fail "OldVal is '$value', not '$2'"
}

wine reg delete "$key" /f >/dev/null 2>&1 || true

# Copy: the other program's text is replaced by the number shown, without padding.
clipboard set 'old text' || fail "cannot set the clipboard"
start_calculator
xdotool type --delay 40 '12+3'
xdotool key --delay 40 Return ctrl+c
wait_clipboard 30 15
echo "Ctrl+C: 15"
xdotool type --delay 40 '*2'
xdotool key --delay 40 Return ctrl+Insert
wait_clipboard 30 30
echo "Ctrl+Insert: 30"
# The system menu's Copy, picked by its mnemonic ("&Close" keeps the C).
xdotool type --delay 40 '+12'
xdotool key --delay 40 Return alt+space o
wait_clipboard 30 42
echo "system menu Copy: 42"
# Alt+Space then C still picks Close.
end_calculator 'alt+space c' 42.000000

# Paste, in a second run: the numbers come from the other program.
clipboard set '3.25' || fail "cannot set the clipboard"
start_calculator
xdotool key --delay 40 ctrl+v
xdotool type --delay 40 '+1'
xdotool key --delay 40 Return
xdotool type --delay 40 '+'
clipboard set '0.75' || fail "cannot set the clipboard"
xdotool key --delay 40 shift+Insert Return
end_calculator Escape 5.000000
echo "Ctrl+V 3.25, +1, Shift+Insert 0.75: 5"
echo "calculator clipboard: all checks passed"
