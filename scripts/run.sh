#!/usr/bin/env bash
# Builds everything, starts the virtual radio on a copy of the sample radio memory and
# opens the window with its port pointing at it. The virtual radio stops when the window
# closes; the sample memory itself is never changed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh

session=$(mktemp -d)
cp samples/sample.img "$session/radio.img"
build/bin/hm3300d-vradio --link "$session/radio" --image "$session/radio.img" &
radio=$!
trap 'kill "$radio" 2>/dev/null; wait "$radio" 2>/dev/null; rm -rf "$session"' EXIT

# The link appears once the virtual radio's terminal is ready.
for _ in $(seq 100); do
  [ -e "$session/radio" ] && break
  kill -0 "$radio" 2>/dev/null || break
  sleep 0.1
done
if [ ! -e "$session/radio" ]; then
  echo "run: the virtual radio did not start" >&2
  exit 1
fi
build/bin/hm3300d --port "$session/radio"
