#!/usr/bin/env bash
# The printed data sheet of the typical request's first result as PNG pages:
# lays out a program directory from data/, searches (QN, R404A, t0 -10 °C, tc 45 °C,
# Qo 10 kW), prints the first result's data sheet with every section to PDF and
# turns each page into a PNG (pdftoppm). Also the result printout of the search.
# Usage: tools/druckseiten.sh OUT_DIR [--language Code]   (after a build in build/)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:?OUT_DIR}")
shift
cli=$PWD/build/cli/drel-cli
programm=$(mktemp -d)
trap 'rm -rf "$programm"' EXIT
cp -r data/. "$programm/"
"$cli" build-db --dir "$programm" >/dev/null
mkdir -p "$out"
anfrage=(--series QN --refrigerant "R404A, R507" --t0 -10 --tc 45 --q0 10)
erster=$("$cli" search "${anfrage[@]}" --pdf "$out/suchergebnis.pdf" --dir "$programm" |
    sed -n 's/^\* \(.*[^ ]\)  *[0-9.,]*$/\1/p' | head -n1)
echo "erstes Ergebnis: $erster"
"$cli" sheet --article "$erster" --refrigerant "R404A, R507" --t0 -10 --tc 45 \
    --sections all --settings "$programm" --pdf "$out/datenblatt.pdf" --dir "$programm" "$@"
pdftoppm -r 80 -png "$out/datenblatt.pdf" "$out/datenblatt"
pdftoppm -r 80 -png "$out/suchergebnis.pdf" "$out/suchergebnis"
ls "$out"
