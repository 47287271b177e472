#!/usr/bin/env bash
# The launcher lives through windows that vanish under it. Another program destroys its
# windows (xdotool windowclose): the main window, the About window, the main window while
# the About window blocks it, a shell error box; then a seeded random walk of clicks, keys,
# Alt+F4 and destroyed windows. The program may end only with status 0, when its main
# window was closed. It runs from a folder of its own with its version file and logo but
# without tool programs, and without an opener for addresses, so launching and links end in
# the shell's error boxes.
# Usage: vanishing_windows.sh PROGRAM EVENTS SEED
set -euo pipefail
work="$(mktemp -d)"
source "$(dirname "$0")/lib.sh"
program="$work/$(basename "$1")"
cp "$1" "$(dirname "$1")/lame.dll" "$(dirname "$1")/leftlogo.png" "$work"
events="$2"
RANDOM="$3"

start_display
mkdir "$work/bin"
launcher=""
starts=0

start() {
    PATH="$work/bin" "$program" 2>>"$work/launcher.log" &
    launcher=$!
    pids+=("$launcher")
    starts=$((starts + 1))
    main="$(find_window '^Brenlow$')" || fail "start $starts: no window titled Brenlow appeared"
    read_geometry "$main" || fail "the main window vanished"
    left="$(field 'Absolute upper-left X')"
    top="$(field 'Absolute upper-left Y')"
}

# Fails unless the launcher ended with status 0.
ended_well() {
    ended "$launcher" || fail "$1: the launcher did not end"
    local status=0
    wait "$launcher" || status=$?
    [ "$status" -eq 0 ] || fail "$1: the launcher ended with status $status"
}

# The help button, then the menu's second line, "About Brenlow...", below the window.
open_about() {
    xdotool mousemove $((left + 31)) $((top + 453)) click 1
    drawn_at $((left + 38)) $((top + 505)) || fail "the help menu did not open"
    xdotool mousemove $((left + 38)) $((top + 505)) click 1
}

start
xdotool windowclose "$main"
ended_well "the main window destroyed"

start
open_about
about="$(find_window '^About Brenlow$')" || fail "the About window did not open"
xdotool windowclose "$about"
window_gone '^About Brenlow$' || fail "the destroyed About window stayed"
open_about
about="$(find_window '^About Brenlow$')" || fail "the About window did not open again"
xdotool windowclose "$main"
main="$(find_window '^Brenlow$')" || fail "the main window blocked by About did not come back"
x_query xwininfo -id "$about" >/dev/null || fail "the About window went with the main window"
# The logo opens the product page: without an opener the shell's box reports it.
xdotool mousemove $((left + 67 + 100)) $((top + 90 + 130)) click 1
box="$(find_window '^https:')" || fail "no shell error box appeared for the logo"
xdotool windowclose "$box"
window_gone '^https:' || fail "the destroyed error box stayed"
xdotool key Return
window_gone '^About Brenlow$' || fail "Enter did not close the About window"
xdotool windowclose "$main"
ended_well "the main window destroyed after About"

# The random walk, in and around the main window's place.
start
for ((i = 0; i < events; i++)); do
    if ! kill -0 "$launcher" 2>/dev/null; then
        ended_well "event $i"
        start
    fi
    x=$((left - 20 + RANDOM % 700))
    y=$((top - 20 + RANDOM % 560))
    case $((RANDOM % 16)) in
    0 | 1 | 2) xdotool mousemove "$x" "$y" ;;
    3 | 4 | 5 | 6) xdotool mousemove "$x" "$y" click 1 ;;
    7) xdotool mousemove $((left + 31)) $((top + 453)) click 1 ;;
    8) xdotool mousemove $((left + 38)) $((top + 505 - 20 * (RANDOM % 2))) click 1 ;;
    9) xdotool key Return ;;
    10) xdotool key Escape ;;
    11) xdotool key Tab ;;
    12) xdotool key Down ;;
    13) [ $((RANDOM % 4)) -eq 0 ] && xdotool key alt+F4 ;;
    *)
        if [ $((RANDOM % 3)) -eq 0 ]; then
            windows=($(x_query xdotool search --onlyvisible --pid "$launcher" --name . || true))
            if [ ${#windows[@]} -gt 0 ]; then
                xdotool windowclose "${windows[RANDOM % ${#windows[@]}]}" 2>/dev/null || true
            fi
        fi
        ;;
    esac
done
kill -0 "$launcher" 2>/dev/null || ended_well "the last event"
echo "PASS: destroyed windows came back or closed as asked; $events random events over $starts starts, no death"
