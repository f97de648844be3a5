#!/usr/bin/env bash
# Drives the real program in a real X server with a window manager, as a user
# would: types into the fields, presses the buttons with the pointer, reads
# the results back through the clipboard and the diagram from a screenshot,
# and ends the program with "Esci".
#
# usage: scripts/with-x-server end_to_end_test.sh PROGRAM SCREENSHOT
#   SCREENSHOT: where to leave the picture of the window after "Calcola".
set -euo pipefail
program=$1
screenshot=$2

work=$(mktemp -d)
program_pid=
cleanup() {
    [[ -z $program_pid ]] || kill "$program_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Retries a command for up to 10 seconds.
eventually() {
    for _ in $(seq 100); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

"$program" >"$work/program.log" 2>&1 &
program_pid=$!

title='^Calcolo Condensatore di filtro\.$'
program_windows() { xdotool search --onlyvisible --name "$title"; }
eventually program_windows || fail "the window did not open: $(cat "$work/program.log")"
window=$(program_windows | head -n 1)
width_of() { xdotool getwindowgeometry "$1" | awk '/Geometry/ { split($2, size, "x"); print size[1] }'; }
wide() { (($(width_of "$window") >= 1800)); }
eventually wide || fail "the window is not maximized"

# Positions in the window's client area, from the window's design.
field_y=(20 52 84 116 148)
field_x=1024
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
press_calcola() { click 1248 52; }
press_esci() { click 1248 220; }
type_into() {
    click "$field_x" "${field_y[$1]}"
    xdotool key ctrl+a
    xdotool type --delay 30 "$2"
}
# What a field holds, copied out as a user would.
field_text() {
    click "$field_x" "${field_y[$1]}"
    xdotool key ctrl+a ctrl+c
    sleep 0.2
    xclip -o -selection clipboard
}
field_is() { [[ $(field_text "$1") == "$2" ]]; }
other_windows() { program_windows | grep -v -x "$window"; }
no_other_windows() { ! other_windows; }

# Pressing "Calcola" with the fields as they start reports a type mismatch;
# the program goes on, with the focus back in the voltage field.
press_calcola
eventually other_windows || fail "no error box for blank fields"
box=$(other_windows | head -n 1)
xdotool windowactivate --sync "$box" key Return
eventually no_other_windows || fail "the error box did not close"
kill -0 "$program_pid" || fail "the program ended after an error"
xdotool key ctrl+a
xdotool type --delay 30 "12"
eventually field_is 0 "12" || fail "the focus did not return to the voltage field: '$(field_text 0)'"

# 12 V, 1 A, 10 % (typed with the Italian decimal comma), 50 Hz.
type_into 1 "1"
type_into 2 "10,0"
press_calcola
eventually field_is 3 " 6773.84" || fail "capacitance shows '$(field_text 3)'"
field_is 4 " 9.52" || fail "secondary voltage shows '$(field_text 4)'"

# Give the focus to the schematic, so no field shows a selection, and move
# the pointer out of the way; then look.
click 300 120
xdotool mousemove --window "$window" 1600 900
sleep 0.3
import -window "$window" -depth 8 "$screenshot"
pixel() { convert "$screenshot" -crop "1x1+$1+$2" -depth 8 txt:- | tail -n 1 | awk '{ print $3 }'; }
background=$(pixel 50 500)
axis=$(pixel 500 650)
[[ $axis != "$background" ]] || fail "no time axis"
[[ $(pixel 100 400) == "$axis" ]] || fail "no voltage axis"
[[ $(pixel 400 350) == "#FF0000" ]] || fail "the red curve does not start at the crest: $(pixel 400 350)"
[[ $(pixel 706 368) == "#FF0000" ]] || fail "the red curve does not go on into the second half-wave"
[[ $(pixel 400 340) == "$background" ]] || fail "something above the crest"

press_esci
for _ in $(seq 100); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null && fail "\"Esci\" did not end the program"
status=0
wait "$program_pid" || status=$?
((status == 0)) || fail "the program ended with status $status: $(cat "$work/program.log")"
echo "PASS"
