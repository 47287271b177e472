#!/usr/bin/env bash
# Builds the whole project and its tests with AddressSanitizer (with LeakSanitizer) and
# UndefinedBehaviorSanitizer in build-sanitize/ (or $SANITIZE_BUILD_DIR) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build_dir="${SANITIZE_BUILD_DIR:-build-sanitize}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBRENLOW_SANITIZE=ON -DBRENLOW_BENCHMARKS=OFF "$@" >/dev/null
cmake --build "$build_dir" -j 2
ctest --test-dir "$build_dir" --output-on-failure -j 2
