#!/usr/bin/env bash
# Start-up of the launcher on a virtual X display of its own, beside a minimal Xlib program
# (the anchor) and a minimal SDL program (what SDL costs before any launcher code runs) in the
# same run: first frame with the final content (median of RUNS starts), peak resident memory,
# threads, windows, and processor time while idle.
#   bench/startup.sh [BUILD_DIR] [RUNS] [IDLE_SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build-bench}"
runs="${2:-20}"
idle="${3:-5}"
work="$(mktemp -d)"
source tests/e2e/lib.sh
start_display
"$build_dir/bench/startup_frame" "$runs" "$idle" "$build_dir/bench/xlib_minimal" \
    "$build_dir/bench/sdl_minimal" "$build_dir/launcher/brenlow"
