#!/usr/bin/env bash
# Sets up and builds, then runs the whole test suite; last it builds the release preset, so that
# the optimised build, whose compiler sees other warnings, cannot break unseen.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# Sources formatted as .clang-format asks; the message names the command that fixes them.
scripts/check_format.sh
ctest --preset dev
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --preset release "${launcher[@]}" >/dev/null
cmake --build --preset release
# The benchmarks build and run; their figures are judged by hand with scripts/bench.sh.
scripts/bench.sh --quick
