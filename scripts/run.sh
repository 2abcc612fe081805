#!/usr/bin/env bash
# Builds everything and shows the sample codeplug with the command-line front end.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
exec build/bin/hm3300d-cli show samples/sample.p46
