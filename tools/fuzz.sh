#!/usr/bin/env bash
# Builds every libFuzzer target with clang and runs each for a short time on a copy of
# its seed corpus (the seeds in the repository stay untouched).
# Usage: tools/fuzz.sh [seconds per target, default 20]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
build=build-fuzz

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CXX=clang++ cmake -S . -B "$build" -G Ninja -DDREL_FUZZ=ON -DDREL_BUILD_GUI=OFF \
    -DDREL_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
targets=(fuzz_filter fuzz_tablefile fuzz_fluidfile fuzz_unitsdat fuzz_standdat fuzz_suchrec
         fuzz_chartdat fuzz_rtftext fuzz_export fuzz_tabini fuzz_qm fuzz_druckeinstellungen
         fuzz_reihen)
nice ninja -C "$build" -j"${FUZZ_JOBS:-2}" "${targets[@]}"

# Seeds per target: folders whose files are copied into the working corpus.
declare -A seeds=(
    [fuzz_fluidfile]="data/reflibs tests/data/fluid/reflibs"
    [fuzz_unitsdat]="tests/data/fuzz/units"
    [fuzz_standdat]="tests/data/fuzz/stand"
    [fuzz_suchrec]="tests/data/app"
    [fuzz_chartdat]="tests/data/chart"
    [fuzz_rtftext]="tests/data/app"
    [fuzz_export]="tests/data/dbbuild/einzeln"
    [fuzz_qm]="build/app"
    [fuzz_druckeinstellungen]="tests/data/fuzz/druck"
    [fuzz_reihen]="tests/data/batch"
)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Table files come from a build of the small fixture exports, when one exists.
mkdir -p "$work/cds"
find build -path '*cli-program-dir/Daten/*.cds' -size -64k 2>/dev/null | head -n 6 |
    xargs -r cp -t "$work/cds"
seeds[fuzz_tablefile]="$work/cds"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
for t in "${targets[@]}"; do
    corpus="$work/corpus-$t"
    mkdir -p "$corpus"
    for s in ${seeds[$t]:-}; do
        [[ -d "$s" ]] && find "$s" -maxdepth 1 -type f -size -256k -exec cp -t "$corpus" {} +
    done
    exe=$(find "$build" -type f -name "$t" -perm -u+x | head -n 1)
    echo "== $t ($seconds s, $(ls "$corpus" | wc -l) seeds)"
    start=$SECONDS
    nice "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=0 "$corpus" 2>"$work/$t.log" || {
        tail -n 60 "$work/$t.log"
        echo "fuzz target $t failed" >&2
        exit 1
    }
    echo "   $((SECONDS - start)) s, $(grep -Eo 'Done [0-9]+ runs' "$work/$t.log" | tail -n 1)"
done
