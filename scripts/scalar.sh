#!/usr/bin/env bash
# Builds the PNG codec's tests with the portable scalar twins of all vector code in
# build-scalar/ (or $SCALAR_BUILD_DIR) and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
exec scripts/codec-tests.sh "${SCALAR_BUILD_DIR:-build-scalar}" -DCMAKE_BUILD_TYPE=Release \
    -DBRENLOW_SCALAR=ON -DBRENLOW_DESKTOP=OFF "$@"
