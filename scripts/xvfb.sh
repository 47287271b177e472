# Sourced by the scripts that need a virtual X display (scripts/run.sh and the end-to-end
# tests). Defines start_xvfb and stop_xvfb; sets no traps, so the caller's cleanup stays its own.

# Starts Xvfb on a display it picks itself, sets xvfb_pid and exports DISPLAY. Xvfb writes the
# display number to descriptor 3 only once it accepts connections, and a server that fails
# closes the pipe, so the wait ends either way without polling (at most twenty seconds for a
# server that hangs). -noreset keeps the server from resetting whenever its last client
# leaves, which would refuse connections for a moment between two programs.
# $1: a folder of the caller's for the pipe; $2: the server's log. Fails when no display came.
start_xvfb() {
    local pipe="$1/xvfb.displayfd" number=""
    mkfifo "$pipe"
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$pipe" 2>"$2" &
    xvfb_pid=$!
    read -r -t 20 number <"$pipe" || true
    rm -f "$pipe"
    if [ -z "$number" ]; then
        stop_xvfb
        return 1
    fi
    export DISPLAY=":$number"
}

# Ends the server start_xvfb started, if any.
stop_xvfb() {
    if [ -n "${xvfb_pid:-}" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    fi
}
