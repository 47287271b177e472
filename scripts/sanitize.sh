#!/usr/bin/env bash
# Builds the PNG codec's tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitize/ (or $SANITIZE_BUILD_DIR) and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
exec scripts/codec-tests.sh "${SANITIZE_BUILD_DIR:-build-sanitize}" -DBRENLOW_SANITIZE=ON "$@"
