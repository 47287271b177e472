#!/usr/bin/env bash
# Installs what the benchmarks need, builds with optimisation, and runs every benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh bench
BUILD_TYPE=Release BUILD_DIR="${BUILD_DIR:-build-bench}" scripts/build.sh -DBRENLOW_BENCHMARKS=ON
build_dir="${BUILD_DIR:-build-bench}"
"$build_dir/bench/gdi_transfers"
"$build_dir/bench/png_codec_bench"
"$build_dir/bench/pngimagelist_startup"
"$build_dir/bench/launch_click"
"$build_dir/bench/launcher_repaint"
"$build_dir/bench/pngtool_process"
bench/startup.sh "$build_dir"
