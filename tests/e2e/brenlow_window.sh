#!/usr/bin/env bash
# Starts the launcher on a virtual display of its own, finds its window by title, checks the
# client size, the placement and the painting, clicks the Data CD entry and waits for the
# demo tool it starts, opens the About window through the help menu and closes it with Enter,
# saves screenshots and closes the windows with their caption's close box. Every wait has a
# limit, so the test cannot hang.
# Usage: brenlow_window.sh PROGRAM CLOSE-WINDOW-TOOL OUTPUT-FOLDER
set -euo pipefail
program="$1"
close_window="$2"
output="$3"
work="$(mktemp -d)"
source "$(dirname "$0")/lib.sh"

start_display
"$program" 2>"$work/launcher.log" &
launcher=$!
pids+=("$launcher")
window="$(find_window '^Brenlow$')" || fail "no visible window titled Brenlow appeared"

read_geometry "$window" || fail "the window vanished"
[ "$(field Width)" = 658 ] && [ "$(field Height)" = 478 ] ||
    fail "the client area is $(field Width) x $(field Height), not 658 x 478"
# Without a window manager there is no frame, so the client itself is centred on 1024 x 768.
left="$(field 'Absolute upper-left X')"
top="$(field 'Absolute upper-left Y')"
[ "$left" = 183 ] && [ "$top" = 145 ] || fail "the window is not centred: $left,$top"

# Painted once the selected category tile is grey, the bevel's line is drawn and the first
# tool's title has ink on white.
screenshot="$output/brenlow.png"
pixel() { convert "$screenshot" -format "%[pixel:p{$1,$2}]" info:; }
painted=""
for _ in $(seq 50); do
    if x_query import -window "$window" "$screenshot"; then
        inks="$(convert "$screenshot" -crop 60x12+294+24 +repage -format '%k' info:)"
        if [ "$(pixel 15 15)" = "srgb(128,128,128)" ] &&
            [ "$(pixel 100 424)" = "srgb(128,128,128)" ] &&
            [ "$(pixel 100 425)" = "srgb(255,255,255)" ] && [ "$inks" -gt 1 ]; then
            painted=yes
            break
        fi
    fi
    sleep 0.1
done
[ -n "$painted" ] || fail "the window was not painted: tile $(pixel 15 15), bevel $(pixel 100 424)"

# The Data CD entry: the tool list's client area starts at (186, 10), its entries are 75 high.
xdotool mousemove $((left + 186 + 200)) $((top + 10 + 37))
sleep 0.2
xdotool click 1
tool_window="$(find_window '^FileWriter\.exe')" ||
    fail "the Data CD entry did not start the FileWriter.exe demo tool"
tool="$(x_query xdotool getwindowpid "$tool_window" || true)"
[ -z "$tool" ] || pids+=("$tool")

"$close_window" "$tool_window" || fail "the close request could not reach the demo tool"
if [ -n "$tool" ]; then
    ended "$tool" || fail "the demo tool did not end after its window was closed"
fi
# The help button (client 8,432, 46 x 42) opens its menu right under it, over the black
# screen below the window; the second line, "About Brenlow...", lies 22 to 41 pixels below
# the menu's top.
xdotool mousemove $((left + 8 + 23)) $((top + 432 + 21))
sleep 0.2
xdotool click 1
about_item_x=$((left + 8 + 30))
about_item_y=$((top + 432 + 42 + 31))
drawn_at "$about_item_x" "$about_item_y" || fail "the help button did not open the help menu"
xdotool mousemove "$about_item_x" "$about_item_y"
sleep 0.2
xdotool click 1
about="$(find_window '^About Brenlow$')" ||
    fail "choosing About did not open a window titled About Brenlow"
read_geometry "$about" || fail "the About window vanished"
[ "$(field Width)" = 523 ] && [ "$(field Height)" = 298 ] ||
    fail "the About window is $(field Width) x $(field Height), not 523 x 298"
# Centred over the main window by the outer sizes, which are the client sizes here.
[ "$(field 'Absolute upper-left X')" = $((left + (658 - 523) / 2)) ] &&
    [ "$(field 'Absolute upper-left Y')" = $((top + (478 - 298) / 2)) ] ||
    fail "the About window is at $(field 'Absolute upper-left X'),$(field 'Absolute upper-left Y'), not centred over the main window"
sleep 0.5
x_query import -window "$about" "$output/about.png" || fail "the About window vanished"
xdotool key Return
window_gone '^About Brenlow$' || fail "Enter did not close the About window"

"$close_window" "$window" || fail "the close request could not be sent"
ended "$launcher" || fail "the launcher did not end after its window was closed"
status=0
wait "$launcher" || status=$?
[ "$status" -eq 0 ] || fail "the launcher ended with status $status"
echo "PASS: window found, 658 x 478, centred, painted; Data CD started the demo tool; the help menu opened About Brenlow centred over the window and Enter closed it; screenshots in $output"
