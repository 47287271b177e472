#!/usr/bin/env bash
# Checks what the compilers do not: every C++ file is formatted as .clang-format says, and the
# includes between folders point down the layers only (scripts/include-graph.py).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
git ls-files -z '*.h' '*.cpp' | xargs -0 clang-format --dry-run --Werror
scripts/include-graph.py --quiet
