#!/usr/bin/env bash
# Builds the PNG codec's tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitize/ (or $SANITIZE_BUILD_DIR) and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir="${SANITIZE_BUILD_DIR:-build-sanitize}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBRENLOW_SANITIZE=ON -DBRENLOW_BENCHMARKS=OFF "$@" >/dev/null
cmake --build "$build_dir" -j 2 --target \
    png_reader_tests png_writer_tests png_render_tests png_graphic_tests png_conformance_tests \
    png_mutation_tests pngtool_tests pngtool
ctest --test-dir "$build_dir" --output-on-failure -j 2 -L png
