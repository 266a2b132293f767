#!/usr/bin/env bash
# Installs, builds, lays out the program directory from data/ and starts drel in it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh --gui
source tools/compiler-cache.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${drel_cache_args[@]}"
ninja -C build drel drel-cli
mkdir -p run
cp -r data/. run/
# The translation files lie beside the executable; the program directory is searched too.
cp build/app/*.qm run/ 2>/dev/null || true
cd run
exec ../build/app/drel "$@"
