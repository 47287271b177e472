# Shared by the end-to-end scripts: a virtual display of their own, finding windows while
# windows come and go, waiting with limits, and cleaning up. Sourced after `set -euo pipefail`
# with $work set to a scratch folder the script owns.

pids=()

cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    local log
    for log in "$work"/*.log; do
        [ -s "$log" ] && sed "s|^|$(basename "$log" .log): |" "$log" >&2
    done
    exit 1
}

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb.sh"

# A virtual display of the script's own, ended by the cleanup.
start_display() {
    start_xvfb "$work" "$work/xvfb.log" || fail "the virtual display did not start"
    pids+=("$xvfb_pid")
}

# Waits up to ten seconds for a process to end.
ended() {
    local i
    for i in $(seq 100); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

# Runs an X query and prints what it printed. A query dies of an X error (BadWindow) when a
# window vanishes while it looks at it; then it runs again.
x_query() {
    local i status output
    for i in $(seq 20); do
        status=0
        output="$("$@" 2>"$work/query.err")" || status=$?
        if ! grep -q "X Error" "$work/query.err"; then
            [ -z "$output" ] || printf '%s\n' "$output"
            return "$status"
        fi
        sleep 0.05
    done
    return 1
}

# Prints the id of a visible window whose title matches the pattern, waiting up to twenty
# seconds for one that still exists once it was found.
find_window() {
    local i window
    for i in $(seq 200); do
        window="$(x_query xdotool search --onlyvisible --name "$1" | head -n 1)" || true
        if [ -n "$window" ] && x_query xwininfo -id "$window" >/dev/null; then
            echo "$window"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Succeeds when no visible window's title matches the pattern, waiting up to ten seconds.
window_gone() {
    local i
    for i in $(seq 100); do
        x_query xdotool search --onlyvisible --name "$1" >/dev/null || return 0
        sleep 0.1
    done
    return 1
}

# Succeeds once the screen at a point is no longer black (something was drawn over the empty
# root window there), waiting up to five seconds.
drawn_at() {
    local i shown
    for i in $(seq 50); do
        shown="$(import -window root -crop "1x1+$1+$2" +repage -format '%[pixel:p{0,0}]' info:)"
        [ "$shown" != "srgb(0,0,0)" ] && return 0
        sleep 0.1
    done
    return 1
}

# Sets $geometry to xwininfo's report on a window; fails when the window is gone.
read_geometry() {
    geometry="$(x_query xwininfo -id "$1")"
}
field() { sed -n "s/^ *$1: *//p" <<<"$geometry"; }

# Asks every visible window titled by the pattern to close, through the close tool, until none
# is left, for up to ten seconds. A window can be built again under the same title (a form
# whose frame changes gets a new window), so the title is looked up again each round.
close_titled() {
    local i found
    for i in $(seq 100); do
        found="$(x_query xdotool search --onlyvisible --name "$2" | head -n 1)" || true
        [ -z "$found" ] && return 0
        "$1" "$found" 2>/dev/null || true
        sleep 0.1
    done
    return 1
}
