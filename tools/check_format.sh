#!/usr/bin/env bash
# Fails when a C++ file of the product, the tests, the benchmarks or the tools drifted
# from the repository's .clang-format (the same check CI runs).
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
echo "format: every C++ file follows .clang-format"
