#!/usr/bin/env bash
# A click on a tool entry right after another program's window opened and closed under the
# pointer starts the tool, as every click on an entry does; it is no second half of a double
# click with the click before. The launcher runs from a folder of its own, named with blanks,
# quotes, '$', a leading dash and letters beyond ASCII, whose stand-in tool records each start.
# Usage: click_after_cover.sh PROGRAM COVER-POINTER-TOOL ROUNDS
set -euo pipefail
work="$(mktemp -d)"
source "$(dirname "$0")/lib.sh"
folder="$work/-Brenlow's \"tools\" \$HOME Grüße"
mkdir "$folder"
program="$folder/$(basename "$1")"
cover="$2"
rounds="$3"
cp "$1" "$folder"
printf '#!/bin/sh\necho started >>"%s"\n' "$work/starts" >"$folder/FileWriter.exe"
chmod +x "$folder/FileWriter.exe"

# Waits up to ten seconds for the tool to have been started this many times.
started() {
    local i
    for i in $(seq 100); do
        [ "$(cat "$work/starts" 2>/dev/null | wc -l)" -ge "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

start_display
"$program" 2>"$work/launcher.log" &
pids+=($!)
main="$(find_window '^Brenlow$')" || fail "no window titled Brenlow appeared"
read_geometry "$main" || fail "the main window vanished"
# The Data CD entry: the tool list's client area starts at (186, 10), its entries are 75 high.
xdotool mousemove $(($(field 'Absolute upper-left X') + 186 + 200)) \
    $(($(field 'Absolute upper-left Y') + 10 + 37))
xdotool click 1
started 1 || fail "the first click started nothing"
for round in $(seq "$rounds"); do
    "$cover" 100
    xdotool click 1
    started $((round + 1)) || fail "round $round: the click after the covering window started nothing"
done
echo "PASS: $rounds clicks right after a covering window each started the tool"
