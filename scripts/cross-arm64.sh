#!/usr/bin/env bash
# Builds the PNG codec and the raster engine with their tests for arm64 in build-arm64/ (or
# $ARM64_BUILD_DIR), with Debian's cross compiler, and runs the tests under qemu's user-mode
# emulation. Only these parts are built: the window system needs SDL, which for arm64 would
# bring most of a desktop's libraries along.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh arm64
build_dir="${ARM64_BUILD_DIR:-build-arm64}"
toolchain="$PWD/cmake/aarch64-linux-gnu.cmake"

# GoogleTest for arm64, built from the sources Debian ships.
gtest="$PWD/$build_dir/googletest"
if [ ! -f "$gtest/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
    cmake -S /usr/src/googletest -B "$gtest/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$gtest/install" >/dev/null
    cmake --build "$gtest/build" --target install >/dev/null
fi

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_PREFIX_PATH="$gtest/install" \
    -DBRENLOW_DESKTOP=OFF -DBRENLOW_BENCHMARKS=OFF "$@" >/dev/null
cmake --build "$build_dir"

# Each test program runs in two halves, each half in one emulator, two halves at a time:
# starting the emulator for every test, as ctest would, costs more than the tests.
run_half() {
    GTEST_TOTAL_SHARDS=2 GTEST_SHARD_INDEX="$1" \
        qemu-aarch64 -L /usr/aarch64-linux-gnu "$2" --gtest_brief=1
}
export -f run_half
find "$build_dir/tests" -name '*_tests' -type f -executable | sort |
    while read -r program; do
        echo "0 $program"
        echo "1 $program"
    done | xargs -P 2 -L 1 bash -c 'run_half "$@"' _
