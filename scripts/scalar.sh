#!/usr/bin/env bash
# Builds the PNG codec's tests with the portable scalar twins of all vector code in
# build-scalar/ (or $SCALAR_BUILD_DIR) and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir="${SCALAR_BUILD_DIR:-build-scalar}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRENLOW_BENCHMARKS=OFF \
    -DBRENLOW_SCALAR=ON -DBRENLOW_DESKTOP=OFF "$@" >/dev/null
cmake --build "$build_dir" -j 2 --target \
    png_reader_tests png_writer_tests png_render_tests png_graphic_tests png_conformance_tests \
    png_mutation_tests pngtool_tests pngtool
ctest --test-dir "$build_dir" --output-on-failure -j 2 -L png
