#!/usr/bin/env bash
# Fuzzes one target for the given number of seconds with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer. Builds the target with clang in build-fuzz/ (or
# $FUZZ_BUILD_DIR), starts from its seeds and the regression files of earlier findings,
# keeps what it learns in build-fuzz/corpus/TARGET and writes what it finds to
# build-fuzz/findings/TARGET; fails when it finds something.
# Usage: scripts/fuzz.sh TARGET SECONDS
# Targets: png_fuzz, png_fixcrc_fuzz, formstream_fuzz, layouttext_fuzz, profile_fuzz
set -euo pipefail
cd "$(dirname "$0")/.."
usage="usage: scripts/fuzz.sh TARGET SECONDS"
target="${1:?$usage}"
seconds="${2:?$usage}"
scripts/setup.sh clang
build_dir="${FUZZ_BUILD_DIR:-build-fuzz}"
# Line tables are all the reports need, and build much faster than full debug information.
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O2 -gline-tables-only" \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -gline-tables-only" \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DBRENLOW_FUZZ=ON -DBRENLOW_BENCHMARKS=OFF >/dev/null

corpus="$build_dir/corpus/$target"
findings="$build_dir/findings/$target"
mkdir -p "$corpus" "$findings"
seeds=()
case "$target" in
png_fuzz | png_fixcrc_fuzz)
    seeds=(tests/data/pngsuite assets)
    dictionary=tests/fuzz/png.dict
    ;;
formstream_fuzz)
    cmake --build "$build_dir" --target formstream_seeds
    seeds=("$build_dir/tests/fuzz/seeds/formstream")
    dictionary=tests/fuzz/formstream.dict
    ;;
layouttext_fuzz)
    seeds=(assets/layouts)
    dictionary=tests/fuzz/layout.dict
    ;;
profile_fuzz)
    seeds=(tests/fuzz/seeds/profile)
    dictionary=tests/fuzz/profile.dict
    ;;
*)
    echo "$usage" >&2
    exit 2
    ;;
esac
[ -d "tests/fuzz/regressions/$target" ] && seeds+=("tests/fuzz/regressions/$target")
cmake --build "$build_dir" --target "$target"

LSAN_OPTIONS="suppressions=$PWD/cmake/lsan.supp:print_suppressions=0" "$build_dir/tests/fuzz/$target" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -dict="$dictionary" \
    -artifact_prefix="$findings/" -print_final_stats=1 "$corpus" "${seeds[@]}"
