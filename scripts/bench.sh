#!/usr/bin/env bash
# Builds the release preset and runs the benchmarks. Each is printed beside its floor (the plainest
# way to do the same work, measured in the same run) with the ratio and its budget.
#   scripts/bench.sh          medians of 9 interleaved repetitions, a few minutes; exits with 1
#                             when a budget is missed
#   scripts/bench.sh --quick  one short run of each at the small sizes, not judged: that they build
#                             and run (CI)
# Further arguments go to every benchmark program, e.g. --benchmark_filter=Save.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >/dev/null

mode=(--benchmark_repetitions=9 --benchmark_enable_random_interleaving=true
      --benchmark_display_aggregates_only=true)
if [ "${1:-}" = "--quick" ]; then
  shift
  mode=(--quick --benchmark_min_time=0.01)
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --preset release "${launcher[@]}" >/dev/null
cmake --build --preset release --target benchmarks

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$PWD/build/release/xdg-runtime}"
status=0
for program in archive_bench room_bench inspect_bench startup_bench; do
  echo "== $program"
  build/release/bench/$program "${mode[@]}" "$@" || status=1
done
exit $status
