#!/usr/bin/env bash
# Runs every fuzz target for a short while (30 s each, or the given number of seconds) under
# AddressSanitizer and UndefinedBehaviorSanitizer; fails at the first finding and shows the
# end of that target's log. The full logs stay in build-fuzz/logs/.
# Usage: scripts/fuzz-ci.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
logs="${FUZZ_BUILD_DIR:-build-fuzz}/logs"
mkdir -p "$logs"
for target in png_fuzz png_fixcrc_fuzz formstream_fuzz layouttext_fuzz profile_fuzz; do
    log="$logs/$target.log"
    if ! scripts/fuzz.sh "$target" "$seconds" >"$log" 2>&1; then
        tail -n 80 "$log"
        echo "fuzz-ci: $target failed; its log is $log" >&2
        exit 1
    fi
    echo "$target: $(grep -E "^#[0-9]+[[:space:]]+DONE" "$log" | tail -n 1)"
done
