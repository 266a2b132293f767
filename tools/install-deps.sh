#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need.
# Usage: tools/install-deps.sh [--gui | --fuzz]   (--gui adds the X server for a display,
#        --fuzz clang and its libFuzzer runtime)
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config ccache
    python3 qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools libgl-dev
    libsqlite3-dev libpugixml-dev nlohmann-json3-dev libeigen3-dev
    libgtest-dev libbenchmark-dev libxlsxwriter-dev zlib1g-dev
    poppler-utils qt6-translations-l10n clang-format python3-jsonschema unzip
    # The tests measure and draw the windows' texts as the program does, so the test
    # install brings the same fonts as the run install (the reports carry their own).
    fonts-liberation2 fonts-dejavu-core fonts-noto-cjk
    # Chinese in PDFs: a PDF's text layer maps each glyph back to one character, and the
    # Noto CJK faces share glyphs between common characters and the Kangxi radicals, so
    # that a Chinese PDF printed in them would copy and search as radicals.
    fonts-wqy-microhei
)
if [[ "${1:-}" == "--gui" ]]; then
    packages+=(xvfb xauth)
fi
# The fuzz targets need clang with its libFuzzer and sanitizer runtimes.
if [[ "${1:-}" == "--fuzz" ]]; then
    packages+=(clang-14 libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [[ $(id -u) -ne 0 ]] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
