#!/usr/bin/env bash
# Builds the PNG codec and the raster engine with their tests, with the portable scalar twins of
# all vector code, in build-scalar/ (or $SCALAR_BUILD_DIR), and runs every one of those tests,
# so a new codec test cannot be left out.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir="${SCALAR_BUILD_DIR:-build-scalar}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRENLOW_BENCHMARKS=OFF \
    -DBRENLOW_SCALAR=ON -DBRENLOW_DESKTOP=OFF "$@" >/dev/null
cmake --build "$build_dir" -j 2
ctest --test-dir "$build_dir" --output-on-failure -j 2
