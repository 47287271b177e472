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

source scripts/xvfb.sh
screenshot="$PWD/$build_dir/screenshot.png"
scratch="$(mktemp -d)"
program_pid=""
trap 'kill $program_pid 2>/dev/null || true; stop_xvfb; wait 2>/dev/null || true; rm -rf "$scratch"' EXIT
start_xvfb "$scratch" /dev/null || { echo "The virtual display did not start" >&2; exit 1; }

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
