#!/usr/bin/env bash
# Builds the Debian package build/package/qv2leved_VERSION_ARCH.deb from a release build with
# Debian's hardening flags (tests and benchmarks left out), then checks it with lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install_missing.sh cmake ninja-build g++ qt6-base-dev libfmt-dev dpkg-dev lintian

export CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
export LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV2_WERROR=ON \
  -DBUILD_TESTING=OFF >/dev/null
cmake --build build/package
(cd build/package && cpack)
lintian --fail-on error build/package/qv2leved_*.deb
