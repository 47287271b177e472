#!/usr/bin/env bash
# Starts the launcher on a virtual display of its own and checks its two glyph buttons from
# outside: both glyphs are drawn, the pointer over OK lights its face, Tab reaches OK (its
# focus dots appear) and Space closes the program, and in a second run Alt+O closes it.
# Every wait has a limit; windows that vanish under a query count as gone.
# Usage: main_buttons.sh PROGRAM OUTPUT-FOLDER
set -euo pipefail
program="$1"
output="$2"
work="$(mktemp -d)"
source "$(dirname "$0")/lib.sh"

start_display

# Starts the launcher and sets window, left and top (the client area's screen position).
start() {
    "$program" 2>"$work/launcher.log" &
    launcher=$!
    pids+=("$launcher")
    window="$(find_window '^Brenlow$')" || fail "no visible window titled Brenlow appeared"
    read_geometry "$window" || fail "the window vanished"
    left="$(field 'Absolute upper-left X')"
    top="$(field 'Absolute upper-left Y')"
}

# The screenshot of the window, or nothing when the window is gone.
shoot() {
    x_query import -window "$window" "$work/shot.png"
}
# A pixel of the last screenshot as "r,g,b", client coordinates.
pixel() {
    convert "$work/shot.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}
# How many pixels of a w x h area at (x, y) of the last screenshot a colour test (an fx
# expression on r, g, b) picks out.
count() {
    convert "$work/shot.png" -crop "$3x$4+$1+$2" +repage -fx "$5 ? 1 : 0" \
        -format '%[fx:int(mean*w*h+0.5)]' info:
}
# Waits up to five seconds for a pixel to satisfy a test on its "r,g,b".
await_pixel() {
    local x="$1" y="$2" test="$3"
    for _ in $(seq 50); do
        if shoot; then
            local value
            value="$(pixel "$x" "$y")"
            if eval "$test"; then
                return 0
            fi
        fi
        sleep 0.1
    done
    return 1
}

# The buttons: help at (8, 432) 46 x 42, OK at (568, 432) 81 x 42; their glyphs 32 x 32 at
# (7, 5) inside them. Rest the pointer on the bevel, away from both.
start
xdotool mousemove $((left + 300)) $((top + 428))
painted=""
for _ in $(seq 50); do
    if shoot; then
        help_blue="$(count 15 437 32 32 'b > r + 0.15')"
        ok_green="$(count 575 437 32 32 'g > r + 0.15 && g > b + 0.15')"
        if [ "$help_blue" -gt 150 ] && [ "$ok_green" -gt 150 ]; then
            painted=yes
            break
        fi
    fi
    sleep 0.1
done
[ -n "$painted" ] || fail "the glyphs are not drawn: $help_blue blue help pixels, $ok_green green OK pixels"
cp "$work/shot.png" "$output/buttons.png"

# The OK face below the caption, before and under the pointer.
face="$(pixel 608 471)"
xdotool mousemove $((left + 568 + 60)) $((top + 432 + 30))
await_pixel 608 471 '[ "$value" != "$face" ]' ||
    fail "the OK button's face did not change under the pointer ($face)"
cp "$work/shot.png" "$output/buttons-hot.png"
xdotool mousemove $((left + 300)) $((top + 428))
await_pixel 608 471 '[ "$value" = "$face" ]' ||
    fail "the OK button's face did not return when the pointer left"

# The list of categories has the focus; Tab moves through the tool list and the help button
# to OK. A focused button shows black focus dots, the first of its top row at (4, 3).
xdotool key Tab Tab
await_pixel $((8 + 4)) $((432 + 3)) '[ "$value" = "0,0,0" ]' ||
    fail "two Tabs did not reach the help button"
xdotool key Tab
await_pixel $((568 + 4)) $((432 + 3)) '[ "$value" = "0,0,0" ]' ||
    fail "a third Tab did not reach the OK button"
xdotool key space
ended "$launcher" || fail "Space on the focused OK button did not end the program"
status=0
wait "$launcher" || status=$?
[ "$status" -eq 0 ] || fail "the launcher ended with status $status after Space"

start
xdotool mousemove $((left + 300)) $((top + 428))
xdotool key alt+o
ended "$launcher" || fail "Alt+O did not end the program"
status=0
wait "$launcher" || status=$?
[ "$status" -eq 0 ] || fail "the launcher ended with status $status after Alt+O"
echo "PASS: both glyphs drawn, the OK face lit under the pointer, Tab reached OK and Space closed the program, Alt+O closed it; screenshots in $output"
