#!/usr/bin/env bash
# Builds the core libraries (model, codec, link, file, editor, vradio) and their unit tests
# with clang's address and undefined behaviour sanitizers into build-sanitize/, and runs
# every test that does not talk to the virtual radio under them: any report fails the test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-sanitize -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DHM3300_BUILD_GUI=OFF -DHM3300_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$(nproc)"
cd build-sanitize
UBSAN_OPTIONS=print_stacktrace=1 ctest -LE radio --output-on-failure -j"$(nproc)"
