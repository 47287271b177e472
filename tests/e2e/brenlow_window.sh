#!/usr/bin/env bash
# Starts the launcher on a virtual display of its own, finds its window by title, checks the
# client size, the placement and the painting, clicks through the categories checking that
# every category tile and tool entry shows an icon, clicks the Data CD entry and waits for the
# window its program shows when no burning application is installed, opens the About window
# through the help menu and closes it with Enter,
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
# Nothing on PATH or in the applications folders can burn a disc.
mkdir "$work/empty"
PATH="$work/empty" XDG_DATA_HOME="$work/empty" XDG_DATA_DIRS="$work/empty" "$program" \
    2>"$work/launcher.log" &
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

# Every category tile and every tool entry of every category shows an icon: many colours in
# its 48 x 48 square (a blank square has one). The category list's client area starts at
# (10, 10) with tiles 80 high, icons at (60, 6) of a tile; the tool list's at (186, 10) with
# entries 75 high, icons at (25, 15). Data comes last, for the click on Data CD below.
colours() { convert "$screenshot" -crop "48x48+$1+$2" +repage -format '%k' info:; }
tool_counts=(4 2 3 5)
for category in 1 2 3 0; do
    xdotool mousemove $((left + 10 + 80)) $((top + 10 + category * 80 + 40)) click 1
    count="${tool_counts[$category]}"
    shown=""
    for _ in $(seq 50); do
        x_query import -window "$window" "$screenshot" ||
            fail "the window vanished while its icons were checked"
        missing=""
        [ "$(pixel 12 $((10 + category * 80 + 3)))" = "srgb(128,128,128)" ] ||
            missing=" (tile not selected yet)"
        for tile in 0 1 2 3; do
            [ "$(colours 70 $((10 + tile * 80 + 6)))" -ge 16 ] || missing+=" category tile $tile"
        done
        for entry in $(seq 0 $((count - 1))); do
            [ "$(colours 211 $((10 + entry * 75 + 15)))" -ge 16 ] || missing+=" tool entry $entry"
        done
        # The entry after the last is blank once the list shows this category's tools.
        if [ "$count" -lt 5 ]; then
            [ "$(colours 211 $((10 + count * 75 + 15)))" -eq 1 ] || missing+=" (old tools still shown)"
        fi
        [ -z "$missing" ] && shown=yes && break
        sleep 0.1
    done
    [ -n "$shown" ] || fail "category $category lacks icon pixels:$missing"
done

# The Data CD entry: the tool list's client area starts at (186, 10), its entries are 75 high.
xdotool mousemove $((left + 186 + 200)) $((top + 10 + 37))
sleep 0.2
xdotool click 1
tool_window="$(find_window '^Data discs$')" ||
    fail "the Data CD entry did not show that no burning application is installed"
tool="$(x_query xdotool getwindowpid "$tool_window" || true)"
[ -z "$tool" ] || pids+=("$tool")

close_titled "$close_window" '^Data discs$' || fail "FileWriter.exe's window did not close"
if [ -n "$tool" ]; then
    ended "$tool" || fail "FileWriter.exe did not end after its window was closed"
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
echo "PASS: window found, 658 x 478, centred, painted; every category tile and tool entry has its icon; Data CD explained what to install; the help menu opened About Brenlow centred over the window and Enter closed it; screenshots in $output"
