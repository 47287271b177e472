#!/usr/bin/env bash
# Starts the launcher on a virtual display of its own, finds its window by title, checks the
# client size, the placement and the painting, saves a screenshot and closes the window with
# its caption's close box. Every wait has a limit, so the test cannot hang.
# Usage: brenlow_window.sh PROGRAM CLOSE-WINDOW-TOOL OUTPUT-FOLDER
set -euo pipefail
program="$1"
close_window="$2"
output="$3"
work="$(mktemp -d)"
xvfb=""
launcher=""

cleanup() {
    for pid in "$launcher" "$xvfb"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/launcher.log" ] && sed 's/^/launcher: /' "$work/launcher.log" >&2
    exit 1
}

# Xvfb picks a free display itself and writes its number to descriptor 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "the virtual display did not start"
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"

"$program" 2>"$work/launcher.log" &
launcher=$!
window="$(timeout 20 xdotool search --sync --onlyvisible --name '^Brenlow$' | head -n 1)" ||
    fail "no visible window titled Brenlow appeared"

geometry="$(xwininfo -id "$window")"
field() { sed -n "s/^ *$1: *//p" <<<"$geometry"; }
[ "$(field Width)" = 658 ] && [ "$(field Height)" = 478 ] ||
    fail "the client area is $(field Width) x $(field Height), not 658 x 478"
# Without a window manager there is no frame, so the client itself is centred on 1024 x 768.
[ "$(field 'Absolute upper-left X')" = 183 ] && [ "$(field 'Absolute upper-left Y')" = 145 ] ||
    fail "the window is not centred: $(field 'Absolute upper-left X'),$(field 'Absolute upper-left Y')"

# The window is painted once the background is not black and the text line has ink on it.
screenshot="$output/brenlow.png"
painted=""
for _ in $(seq 50); do
    import -window "$window" "$screenshot"
    background="$(convert "$screenshot" -format '%[pixel:p{400,300}]' info:)"
    corner="$(convert "$screenshot" -format '%[pixel:p{650,470}]' info:)"
    inks="$(convert "$screenshot" -crop 60x16+6+6 +repage -format '%k' info:)"
    if [ "$background" = "$corner" ] && [ "$background" != "srgb(0,0,0)" ] && [ "$inks" -gt 1 ]; then
        painted=yes
        break
    fi
    sleep 0.1
done
[ -n "$painted" ] || fail "the window was not painted (background $background, $inks colours in the text line)"

"$close_window" "$window" || fail "the close request could not be sent"
for _ in $(seq 100); do
    kill -0 "$launcher" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$launcher" 2>/dev/null && fail "the launcher did not end after its window was closed"
status=0
wait "$launcher" || status=$?
launcher=""
[ "$status" -eq 0 ] || fail "the launcher ended with status $status"
echo "PASS: window found, 658 x 478, centred, painted; screenshot in $screenshot"
