#!/usr/bin/env bash
# Builds the whole project and its tests with clang, AddressSanitizer (with LeakSanitizer) and
# UndefinedBehaviorSanitizer in build-sanitize/ (or $SANITIZE_BUILD_DIR) and runs every test.
# Being the second compiler, clang also keeps the code free of the warnings GCC does not see.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh clang
build_dir="${SANITIZE_BUILD_DIR:-build-sanitize}"
# -O1 and line tables only: the sanitizers' reports keep their file and line, and the build
# takes markedly less time than with full debug information.
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" \
    -DBRENLOW_SANITIZE=ON -DBRENLOW_BENCHMARKS=OFF "$@" >/dev/null
cmake --build "$build_dir" -j 2
ctest --test-dir "$build_dir" --output-on-failure -j 2
