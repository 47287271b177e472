#!/usr/bin/env bash
# Checks what the compilers do not: every C++ file is formatted as .clang-format says, and the
# includes between folders point down the layers only and follow the libraries each folder's
# targets declare (scripts/include-graph.py, against a configuration in build-lint/).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
git ls-files -z '*.h' '*.cpp' | xargs -0 clang-format --dry-run --Werror
cmake -S . -B build-lint -G Ninja >/dev/null
scripts/include-graph.py --quiet --build build-lint
