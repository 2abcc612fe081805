#!/usr/bin/env bash
# Pictures of the window for the documentation: every page in the three languages and the
# three skins, and in each language the Edit menu, the warning of a Read whose port's device
# is missing and the user guide, with the sample codeplug open, rendered on a virtual X
# display into docs/screenshots/. Builds the window first if needed. Not a test: look at the
# pictures.
#   BUILD_DIR  the build folder to use (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}

if [ ! -x "$build/bin/hm3300d" ]; then
  scripts/install-deps.sh
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target hm3300d -j"$(nproc)"

mkdir -p docs/screenshots
HM3300_SCREENSHOT_DIR="$PWD/docs/screenshots" \
HM3300_SCREENSHOT_CODEPLUG="$PWD/samples/sample.p46" \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/hm3300d" --port /dev/hm3300d-no-cable
echo "screenshots: $(ls docs/screenshots/*.png | wc -l) pictures in docs/screenshots/"
