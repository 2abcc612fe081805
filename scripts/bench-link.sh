#!/usr/bin/env bash
# Times a full write and a full read of the virtual radio with hm3300d-cli, in both pacings,
# the radio keeping the pace of a 9600-baud line and answering after 0 ms and after 5 ms.
# For each run it prints the frames sent, the bytes that crossed the line both ways, the
# time those bytes need on the wire (10 bits a byte at 9600 baud), the wall time, and the
# wall time as a multiple of the wire time. The figures come from each run's --trace.
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
# The reads' backups go with the work folder, not among the user's.
export XDG_DATA_HOME="$work"
radio_pid=""
stop_radio() {
    if [[ -n "$radio_pid" ]]; then
        kill -TERM "$radio_pid" 2>/dev/null || true
        wait "$radio_pid" 2>/dev/null || true
        radio_pid=""
    fi
}
trap 'stop_radio; rm -rf "$work"' EXIT

# A fresh paced radio answering after $1 ms.
start_radio() {
    stop_radio
    rm -f "$work/radio" "$work/radio.img"
    "$bin/hm3300d-vradio" --pace --latency "$1" --link "$work/radio" --image "$work/radio.img" \
        >"$work/vradio.out" 2>"$work/vradio.err" &
    radio_pid=$!
    for _ in $(seq 100); do
        [[ -e "$work/radio" ]] && return
        sleep 0.05
    done
    echo "bench-link: the virtual radio did not start:" >&2
    cat "$work/vradio.err" >&2
    exit 1
}

# Runs hm3300d-cli with its arguments and a trace; prints the wall time in milliseconds.
timed() {
    local start end
    start=$(date +%s%N)
    "$bin/hm3300d-cli" "$@" --trace "$work/run.trace" 2>"$work/cli.err" || {
        cat "$work/cli.err" >&2
        exit 1
    }
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

# "frames bytes" of the last trace: the frames sent, and every byte sent or received.
trace_counts() {
    awk '$3 == ">" { frames++; bytes += NF - 3 } $3 == "<" { bytes += NF - 3 }
         END { print frames + 0, bytes + 0 }' "$work/run.trace"
}

seconds() { printf '%d.%02d s' $(($1 / 1000)) $(($1 % 1000 / 10)); }

printf '%-6s %-6s %8s %7s %6s %11s %11s %8s\n' \
    run pacing latency frames bytes "wire time" "wall time" "x wire"
for latency in 0 5; do
    for pacing in fixed fast; do
        fast=()
        [[ $pacing == fast ]] && fast=(--fast)
        start_radio "$latency"
        for run in write read; do
            if [[ $run == write ]]; then
                wall=$(timed write --port "$work/radio" "${fast[@]}" "$root/samples/sample.p46")
            else
                wall=$(timed read --port "$work/radio" "${fast[@]}" -o "$work/read.p46")
            fi
            read -r frames bytes < <(trace_counts)
            wire=$((bytes * 10 * 1000 / 9600))
            ratio=$(awk -v wall="$wall" -v wire="$wire" 'BEGIN { printf "%.2f", wall / wire }')
            printf '%-6s %-6s %5d ms %7d %6d %11s %11s %8s\n' "$run" "$pacing" "$latency" \
                "$frames" "$bytes" "$(seconds "$wire")" "$(seconds "$wall")" "$ratio"
        done
    done
done
