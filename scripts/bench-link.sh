#!/usr/bin/env bash
# Times a full read and a full write of the virtual radio with hm3300d-cli, the radio
# sending at the pace of a 9600-baud line, and sets the wall times beside what the bytes
# alone need on the wire and what the protocol's fixed waits add up to.
#
# Usage: scripts/bench-link.sh [BUILD_DIR]   (default: build)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
bin="$build/bin"
for program in hm3300d-cli hm3300d-vradio; do
    if [[ ! -x "$bin/$program" ]]; then
        echo "bench-link: $bin/$program is missing; build first (scripts/build.sh)" >&2
        exit 2
    fi
done

work="$(mktemp -d)"
radio_pid=""
cleanup() {
    if [[ -n "$radio_pid" ]]; then
        kill -TERM "$radio_pid" 2>/dev/null || true
        wait "$radio_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

"$bin/hm3300d-vradio" --pace --link "$work/radio" --image "$work/radio.img" \
    >"$work/vradio.out" 2>"$work/vradio.err" &
radio_pid=$!
for _ in $(seq 100); do
    [[ -e "$work/radio" ]] && break
    sleep 0.05
done
if [[ ! -e "$work/radio" ]]; then
    echo "bench-link: the virtual radio did not start:" >&2
    cat "$work/vradio.err" >&2
    exit 1
fi

# Seconds, with milliseconds, that the command line takes.
timed() {
    local start end
    start=$(date +%s%N)
    "$bin/hm3300d-cli" "$@" 2>"$work/cli.err" || {
        cat "$work/cli.err" >&2
        exit 1
    }
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

read_ms=$(timed read --port "$work/radio" -o "$work/read.p46")
codeplug="$root/samples/sample.p46"
[[ -f "$codeplug" ]] || codeplug="$work/read.p46"
write_ms=$(timed write --port "$work/radio" "$codeplug")

# Frame sizes in bytes: type, length, payload, checksum.
handshake=8 identification=9 ready=3 ack=3 end=4
read_request=6              # type, length, address, count, checksum
block_reply=$((5 + 16))     # type, length, address, 16 data bytes, checksum
name_reply=$((5 + 8))
block_write=$((5 + 16))
name_write=$((5 + 8))
dtmf_write=$((5 + 11))
channels=128 calls=5 cleared=8
# Handshake, ready request and end command, both ways.
session=$((handshake + identification + ready + ack + end + ack))

# Read: the band, option, DTMF, five call, code, password and ID blocks, and for every
# channel its slot (a 16-byte block) and its name slot.
read_blocks=$((1 + 1 + 1 + calls + 3))
read_exchanges=$((read_blocks + 2 * channels))
read_bytes=$((session + read_exchanges * read_request +
    (read_blocks + channels) * block_reply + channels * name_reply))

# Write (no new password): the band block read as a check, then channel and name slots,
# option, DTMF, call, cleared, ID and code blocks, each answered by Ack.
write_frames=$((2 * channels + 1 + 1 + calls + cleared + 2))
write_exchanges=$((1 + write_frames))
write_bytes=$((session + read_request + block_reply +
    channels * (block_write + name_write) + dtmf_write +
    (1 + calls + cleared + 2) * block_write + write_frames * ack))

# 10 bits a byte (start, 8 data, stop) at 9600 baud.
wire_ms() { echo $(($1 * 10 * 1000 / 9600)); }
# Port reset 2 x 150 ms, 70 ms after handshake, ready request and end command, 80 ms after
# every block.
waits_ms() { echo $((2 * 150 + 3 * 70 + $1 * 80)); }

seconds() { printf '%d.%02d s' $(($1 / 1000)) $(($1 % 1000 / 10)); }
printf '%-6s %10s %15s %12s %13s %11s\n' "run" "exchanges" "bytes on wire" "wire time" "fixed waits" "wall time"
printf '%-6s %10d %15d %12s %13s %11s\n' read "$read_exchanges" "$read_bytes" \
    "$(seconds "$(wire_ms "$read_bytes")")" "$(seconds "$(waits_ms "$read_exchanges")")" \
    "$(seconds "$read_ms")"
printf '%-6s %10d %15d %12s %13s %11s\n' write "$write_exchanges" "$write_bytes" \
    "$(seconds "$(wire_ms "$write_bytes")")" "$(seconds "$(waits_ms "$write_exchanges")")" \
    "$(seconds "$write_ms")"
