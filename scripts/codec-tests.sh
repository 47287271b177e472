#!/usr/bin/env bash
# Builds the PNG codec's tests in the build folder given first, configured with the CMake
# options that follow, and runs them: the sanitizer run and the scalar run of CI.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="$1"
shift
scripts/setup.sh
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRENLOW_BENCHMARKS=OFF \
    "$@" >/dev/null
cmake --build "$build_dir" -j 2 --target \
    png_reader_tests png_writer_tests png_render_tests png_graphic_tests png_conformance_tests \
    png_mutation_tests pngtool_tests pngtool
ctest --test-dir "$build_dir" --output-on-failure -j 2 -L png
