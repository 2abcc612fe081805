#!/usr/bin/env bash
# Builds everything, builds and checks the Debian package (scripts/package.sh, about 20 s;
# as root it also installs and removes the package with dpkg), then runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
scripts/package.sh build
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
