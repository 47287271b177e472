#!/usr/bin/env bash
# The launcher as a window manager sees it, on a virtual display of its own with openbox
# running ("openbox") or with no window manager ("none"). xprop reads the hints of the main
# window (caption buttons and border, class, process, group leader, every icon size, no
# owner) and of the About window (a dialog, transient for the main window, system menu only).
# Under openbox it also checks that the main window offers no maximising, is centred with
# its frame and keeps its contents through minimise and restore, that the About window is
# modal and stays above the main window, whose clicks do nothing while it is open, and that
# the close button of the frame ends the program. Every wait has a limit; windows that
# vanish under a query count as gone.
# Usage: window_manager.sh PROGRAM openbox|none WINDOW-MANAGER-READY-TOOL
set -euo pipefail
program="$1"
manager="$2"
ready="$3"
work="$(mktemp -d)"
source "$(dirname "$0")/lib.sh"

# Whether what a query prints matches a pattern (read whole: an early end of grep would
# count as the query failing).
matches() {
    local pattern="$1" output
    shift
    output="$(x_query "$@")" || return 1
    grep -q -- "$pattern" <<<"$output"
}

start_display
if [ "$manager" = openbox ]; then
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    "$ready" || fail "openbox did not start"
fi

"$program" 2>"$work/launcher.log" &
launcher=$!
pids+=("$launcher")
main="$(find_window '^Brenlow$')" || fail "no visible window titled Brenlow appeared"
read_geometry "$main" || fail "the main window vanished"
left="$(field 'Absolute upper-left X')"
top="$(field 'Absolute upper-left Y')"

# A property of a window as xprop prints it after the "=" or ":", or nothing.
property() {
    x_query xprop -id "$1" "$2" | sed -n 's/^[^=:]*[=:] *//p' | head -n 1
}
expect() {
    [ "$(property "$1" "$2")" = "$3" ] || fail "$2 of $4 is \"$(property "$1" "$2")\", not \"$3\""
}

# Motif functions: move 4, minimise 8, close 32; decorations: border 2, title 8, menu 16,
# minimise 32.
expect "$main" _MOTIF_WM_HINTS "0x3, 0x2c, 0x3a, 0x0, 0x0" "the main window"
expect "$main" WM_CLASS '"brenlow", "Brenlow"' "the main window"
expect "$main" _NET_WM_PID "$launcher" "the main window"
expect "$main" _NET_WM_WINDOW_TYPE _NET_WM_WINDOW_TYPE_NORMAL "the main window"
matches 'not found' xprop -id "$main" WM_TRANSIENT_FOR ||
    fail "the main window is transient for a window"
sizes="$(x_query xprop -id "$main" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u | tr '\n' ' ')"
[ "$sizes" = "Icon (16 x 16) Icon (32 x 32) Icon (48 x 48) " ] ||
    fail "the icon property holds $sizes, not 16, 32 and 48"
leader="$(x_query xprop -id "$main" WM_HINTS | sed -n 's/.*group leader: *//p')"
[ -n "$leader" ] && matches 'Map State: IsUnMapped' xwininfo -id "$leader" ||
    fail "the group leader \"$leader\" is not an existing unmapped window"
expect "$leader" WM_CLASS '"brenlow", "Brenlow"' "the group leader"

if [ "$manager" = openbox ]; then
    actions="$(property "$main" _NET_WM_ALLOWED_ACTIONS)"
    grep -q _NET_WM_ACTION_MINIMIZE <<<"$actions" && grep -q _NET_WM_ACTION_CLOSE <<<"$actions" ||
        fail "the main window cannot be minimised or closed: $actions"
    ! grep -q "MAXIMIZE\|RESIZE" <<<"$actions" || fail "the main window can be maximised: $actions"
    # Centred with its frame on 1024 x 768: the frame's outer rectangle, from its extents.
    IFS=', ' read -r frame_left frame_right frame_top frame_bottom <<<"$(property "$main" _NET_FRAME_EXTENTS)"
    [ -n "$frame_bottom" ] || fail "openbox gave the main window no frame"
    outer_left=$((left - frame_left))
    outer_top=$((top - frame_top))
    outer_width=$((658 + frame_left + frame_right))
    outer_height=$((478 + frame_top + frame_bottom))
    [ "$outer_left" = $(((1024 - outer_width) / 2)) ] && [ "$outer_top" = $(((768 - outer_height) / 2)) ] ||
        fail "the frame ($outer_width x $outer_height at $outer_left,$outer_top) is not centred"
else
    [ "$left" = 183 ] && [ "$top" = 145 ] || fail "the window is not centred: $left,$top"
fi

# Painted once the selected category tile is grey.
shoot() { x_query import -window "$main" "$work/$1.png"; }
pixel() { convert "$work/$1.png" -format "%[pixel:p{$2,$3}]" info:; }
grey="srgb(128,128,128)"
painted=""
for _ in $(seq 50); do
    shoot before && [ "$(pixel before 15 15)" = "$grey" ] && painted=yes && break
    sleep 0.1
done
[ -n "$painted" ] || fail "the main window was not painted"

if [ "$manager" = openbox ]; then
    xdotool windowminimize "$main"
    for _ in $(seq 100); do
        matches IsUnMapped xwininfo -id "$main" && break
        sleep 0.1
    done
    matches IsUnMapped xwininfo -id "$main" || fail "the main window did not minimise"
    xdotool windowactivate "$main"
    restored=""
    for _ in $(seq 100); do
        if shoot after && [ "$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1)" = 0 ]; then
            restored=yes
            break
        fi
        sleep 0.1
    done
    [ -n "$restored" ] || fail "the main window came back from minimised with other contents"
fi

# The help button, then "About Brenlow..." in the menu that opens under it.
xdotool mousemove $((left + 31)) $((top + 453)) click 1
drawn_at $((left + 38)) $((top + 505)) || fail "the help menu did not open"
xdotool mousemove $((left + 38)) $((top + 505)) click 1
about="$(find_window '^About Brenlow$')" || fail "the About window did not open"
expect "$about" _NET_WM_WINDOW_TYPE _NET_WM_WINDOW_TYPE_DIALOG "the About window"
expect "$about" WM_TRANSIENT_FOR "window id # $(printf '0x%x' "$main")" "the About window"
# Functions: move, close; decorations: border, title, menu.
expect "$about" _MOTIF_WM_HINTS "0x3, 0x24, 0x1a, 0x0, 0x0" "the About window"

if [ "$manager" = openbox ]; then
    modal=""
    for _ in $(seq 100); do
        matches _NET_WM_STATE_MODAL xprop -id "$about" _NET_WM_STATE && modal=yes && break
        sleep 0.1
    done
    [ -n "$modal" ] || fail "the About window is not modal: $(property "$about" _NET_WM_STATE)"
fi

# A click on the Music tile of the main window, left of the About window, then Enter, which closes the About window:
# input arrives in order, so once it is gone the click has been handled while it was open,
# and the main window must still show Data selected.
xdotool mousemove $((left + 30)) $((top + 10 + 80 + 40)) click 1
if [ "$manager" = openbox ]; then
    stacking="$(x_query xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')"
    about_at="" main_at="" i=0
    for id in $stacking; do
        [ "$((id))" = "$((about))" ] && about_at=$i
        [ "$((id))" = "$((main))" ] && main_at=$i
        i=$((i + 1))
    done
    [ -n "$about_at" ] && [ -n "$main_at" ] && [ "$about_at" -gt "$main_at" ] ||
        fail "the About window is not above the main window: $stacking"
fi
xdotool key Return
window_gone '^About Brenlow$' || fail "Enter did not close the About window"
shoot closed || fail "the main window vanished"
[ "$(pixel closed 15 15)" = "$grey" ] && [ "$(pixel closed 15 95)" != "$grey" ] ||
    fail "a click on the main window reached it while the About window was open"

if [ "$manager" = openbox ]; then
    # The close button at the right end of the frame's title bar.
    xdotool mousemove $((outer_left + outer_width - 10)) $((outer_top + 10)) click 1
else
    xdotool key alt+F4
fi
ended "$launcher" || fail "the launcher did not end when its window was closed"
status=0
wait "$launcher" || status=$?
[ "$status" -eq 0 ] || fail "the launcher ended with status $status"
echo "PASS ($manager): hints of the main and About windows as expected$([ "$manager" = openbox ] && echo "; no maximising, centred with its frame, same contents after minimise and restore, About modal and above, the frame's close button ended the program")"
