#!/usr/bin/env bash
# Sets up and builds, then starts the editor on the bundled sample archive.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec build/dev/qv2leved build/dev/qasvar.dat "$@"
