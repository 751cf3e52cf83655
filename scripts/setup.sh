#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, then configures and builds the program folder
# build/dev (qv2leved, qv2lev, texts/, images/, qasvar.dat).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev libfmt-dev libbenchmark-dev
          fonts-dejavu-core qt6-translations-l10n)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake --preset dev >/dev/null
cmake --build --preset dev
