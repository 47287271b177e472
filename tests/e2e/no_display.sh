#!/usr/bin/env bash
# Without a display the launcher says so on standard error, naming the variables and the
# values it tried, and ends with a non-zero status, at once: with DISPLAY and WAYLAND_DISPLAY
# unset, with DISPLAY naming no X server, and with WAYLAND_DISPLAY naming no compositor.
# Usage: no_display.sh PROGRAM
set -euo pipefail
program="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    sed 's/^/launcher: /' "$work/stderr" >&2
    exit 1
}

# A display number no X server listens on.
free_display=99
while [ -e "/tmp/.X11-unix/X$free_display" ]; do
    free_display=$((free_display + 1))
done

# Runs the program with the given environment changes; fails unless it ends with a non-zero
# status within ten seconds and its message holds each expected text.
expect_refusal() {
    local case="$1"
    shift
    local settings=()
    while [ "$1" != -- ]; do
        settings+=("$1")
        shift
    done
    shift
    local status=0
    env -u DISPLAY -u WAYLAND_DISPLAY "${settings[@]}" XDG_RUNTIME_DIR="$work" \
        timeout 10 "$program" >/dev/null 2>"$work/stderr" || status=$?
    [ "$status" -ne 124 ] || fail "$case: the launcher was still running after ten seconds"
    [ "$status" -ne 0 ] || fail "$case: the launcher ended with status 0"
    local text
    for text in "$@"; do
        grep -qF -- "$text" "$work/stderr" || fail "$case: the message does not say '$text'"
    done
}

expect_refusal "nothing set" -- "Cannot open a display" "DISPLAY is not set" \
    "WAYLAND_DISPLAY is not set"
expect_refusal "no X server" DISPLAY=":$free_display" -- "Cannot open a display" \
    "DISPLAY=\":$free_display\"" "WAYLAND_DISPLAY is not set"
expect_refusal "no compositor" WAYLAND_DISPLAY=brenlow-test-none -- "Cannot open a display" \
    "DISPLAY is not set" "WAYLAND_DISPLAY=\"brenlow-test-none\""
echo "PASS: without a display the launcher names what it tried and ends with a failure status"
