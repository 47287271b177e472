#!/usr/bin/env bash
# Installs what is missing, builds, and starts the launcher. Without a display it runs under
# a virtual X display, saves a screenshot of the window and says where.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
build_dir="${BUILD_DIR:-build}"
program="$build_dir/launcher/brenlow"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

screenshot="$PWD/$build_dir/screenshot.png"
display_file="$(mktemp)"
xvfb=""
program_pid=""
trap 'kill $program_pid $xvfb 2>/dev/null || true; wait 2>/dev/null || true; rm -f "$display_file"' EXIT
# Xvfb chooses a free display and writes its number to descriptor 3.
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
[ -s "$display_file" ] || { echo "The virtual display did not start" >&2; exit 1; }
export DISPLAY=":$(tr -d '[:space:]' <"$display_file")"

"$program" &
program_pid=$!
# A query fails, or dies of an X error, when a window vanishes while it looks: ask again.
shown=""
for _ in $(seq 200); do
    if xdotool search --onlyvisible --name '^Brenlow$' >/dev/null 2>&1; then
        shown=yes
        break
    fi
    sleep 0.1
done
if [ -z "$shown" ]; then
    echo "The launcher's window did not appear" >&2
    exit 1
fi
sleep 1
import -window root "$screenshot"
echo "The launcher ran under a virtual display; screenshot saved to $screenshot"
