#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, then configures and builds the program folder
# build/dev (qv2leved, qv2lev, texts/, images/, qasvar.dat).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev libfmt-dev libbenchmark-dev
          fonts-dejavu-core qt6-translations-l10n
          clang libclang-rt-14-dev # the fuzz targets (scripts/fuzz.sh)
          clang-format)            # scripts/check_format.sh
# The installed-program test validates the desktop entry and the metainfo.
packages+=(desktop-file-utils appstream)
scripts/install_missing.sh "${packages[@]}"

cmake --preset dev >/dev/null
cmake --build --preset dev
