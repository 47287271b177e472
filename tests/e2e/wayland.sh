#!/usr/bin/env bash
# The launcher as a native Wayland client: weston runs on a virtual X display of the test's
# own (its X11 backend gives it a seat, so xdotool's input on its window reaches the
# compositor's clients, and a screenshot of the display shows its output), and the launcher
# is started with WAYLAND_DISPLAY only. weston's scene graph (weston-debug) names its
# toplevels: the test finds "Brenlow", clicks the Music category and sees it selected, opens
# the About window through the help menu and closes it with Enter, and closes the launcher
# with its OK button. Then, with WAYLAND_DISPLAY naming no compositor, the launcher falls
# back to the X display. Every wait has a limit.
# Usage: wayland.sh PROGRAM
set -euo pipefail
program="$1"
work="$(mktemp -d)"
source "$(dirname "$0")/lib.sh"

start_display
mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime" weston --backend=x11-backend.so --width=1024 --height=768 --socket=brenlow --idle-time=0 \
    --debug --shell=desktop-shell.so >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    [ -S "$work/runtime/brenlow" ] && break
    sleep 0.1
done
[ -S "$work/runtime/brenlow" ] || fail "weston did not start"

# Runs a program as a client of the compositor only.
wayland_client() {
    env -u DISPLAY XDG_RUNTIME_DIR="$work/runtime" WAYLAND_DISPLAY=brenlow "$@"
}

# Prints "x y", the position on the output of the toplevel titled exactly $1 that the
# launcher shows, waiting up to twenty seconds for it.
view_of() {
    local i scene position
    for i in $(seq 200); do
        scene="$(wayland_client weston-debug scene-graph 2>/dev/null)" || true
        position="$(awk -v title="top-level window '$1' of brenlow" '
            index($0, title) { found = 1; next }
            found && /position:/ { gsub(/[(),]/, " "); print $2, $3; exit }' <<<"$scene")"
        [ -n "$position" ] && echo "$position" && return 0
        sleep 0.1
    done
    return 1
}

# Succeeds once no toplevel titled exactly $1 is left, waiting up to ten seconds.
view_gone() {
    local i scene
    for i in $(seq 100); do
        scene="$(wayland_client weston-debug scene-graph 2>/dev/null)" || continue
        grep -qF "top-level window '$1' of brenlow" <<<"$scene" || return 0
        sleep 0.1
    done
    return 1
}

# Waits up to five seconds for the screen's pixel at a point to be (or, with "not", not
# to be) a colour.
grey="srgb(128,128,128)"
screen_pixel() {
    import -window root -crop "1x1+$1+$2" +repage -format '%[pixel:p{0,0}]' info:
}
pixel_is() {
    local i
    for i in $(seq 50); do
        [ "$(screen_pixel "$1" "$2")" = "$3" ] && return 0
        sleep 0.1
    done
    return 1
}

mkdir "$work/empty"
wayland_client PATH="$work/empty" "$program" 2>"$work/launcher.log" &
launcher=$!
pids+=("$launcher")
place="$(view_of Brenlow)" || fail "no toplevel titled Brenlow appeared"
read -r left top <<<"$place"
pixel_is $((left + 15)) $((top + 15)) "$grey" || fail "the Data tile is not shown selected"

# The Music tile, the second of the category list's 80-pixel tiles.
xdotool mousemove $((left + 30)) $((top + 130)) click 1
pixel_is $((left + 15)) $((top + 95)) "$grey" || fail "a click on Music did not select it"
[ "$(screen_pixel $((left + 15)) $((top + 15)))" != "$grey" ] || fail "Data stayed selected"

# The help menu is a window of its own here, placed by the compositor: its second line is
# "About Brenlow...".
xdotool mousemove $((left + 31)) $((top + 453)) click 1
place="$(view_of '')" || fail "the help button did not open its menu"
read -r menu_left menu_top <<<"$place"
xdotool mousemove $((menu_left + 30)) $((menu_top + 31)) click 1
view_of 'About Brenlow' >/dev/null || fail "choosing About did not open the About window"
xdotool key Return
view_gone 'About Brenlow' || fail "Enter did not close the About window"

# The OK button (client 568,432, 81 x 42) ends the program.
xdotool mousemove $((left + 600)) $((top + 453)) click 1
ended "$launcher" || fail "the OK button did not end the launcher"
status=0
wait "$launcher" || status=$?
[ "$status" -eq 0 ] || fail "the launcher ended with status $status"

# No compositor where WAYLAND_DISPLAY points: the X display serves.
WAYLAND_DISPLAY=absent XDG_RUNTIME_DIR="$work/runtime" PATH="$work/empty" "$program" \
    2>"$work/fallback.log" &
fallback=$!
pids+=("$fallback")
window="$(find_window '^Brenlow$')" || fail "without a compositor the launcher showed no X window"
[ "$(x_query xdotool getwindowpid "$window")" = "$fallback" ] ||
    fail "the X window titled Brenlow is not the launcher's"
echo "PASS: on Wayland the toplevel Brenlow showed, Music was selected by a click, the help menu opened About Brenlow and Enter closed it, OK ended the launcher; without a compositor it showed its window on X"
