# Helpers of the end-to-end scripts, sourced by them. They expect $work (a scratch folder) and
# a fail function that reports and exits.

# Starts Xvfb on a display it chooses itself and exports DISPLAY; sets $xvfb to its pid.
start_display() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    [ -s "$work/display" ] || fail "the virtual display did not start"
    export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
}

# Waits up to ten seconds for a process to end.
ended() {
    for _ in $(seq 100); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

# Prints the first visible window whose title matches the pattern, waiting up to twenty
# seconds. xdotool can fail when a window vanishes while it looks, so it is asked again.
visible_window() {
    local found
    for _ in $(seq 200); do
        found="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)" || true
        [ -n "$found" ] && echo "$found" && return 0
        sleep 0.1
    done
    return 1
}

# Asks every visible window titled by the pattern to close, through the close tool, until none
# is left, for up to ten seconds. A window can be built again under the same title (a form
# whose frame changes gets a new window), so the title is looked up again each round.
close_titled() {
    local found
    for _ in $(seq 100); do
        found="$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -n 1)" || true
        [ -z "$found" ] && return 0
        "$1" "$found" 2>/dev/null || true
        sleep 0.1
    done
    return 1
}
