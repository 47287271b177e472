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
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
program_pid=""
trap 'kill "$program_pid" "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$program" &
program_pid=$!
xdotool search --sync --onlyvisible --name '^Brenlow$' >/dev/null
sleep 1
import -window root "$screenshot"
echo "The launcher ran under a virtual display; screenshot saved to $screenshot"
