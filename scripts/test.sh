#!/usr/bin/env bash
# Sets up and builds, then runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
ctest --preset dev
