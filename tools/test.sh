#!/usr/bin/env bash
# Installs, builds and runs the whole test suite (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
source tools/compiler-cache.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${drel_cache_args[@]}" ${CMAKE_ARGS:-}
ninja -C "$build"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
