#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang, libFuzzer and the address and undefined
# behaviour sanitizers into build-fuzz/, then runs each for SECONDS (default 60), one after
# the other. Prints one line per target: its name, the inputs it ran and its findings, then
# "N passed, N failed". Exits non-zero when any target found something; the input of each
# finding is kept in build-fuzz/findings/TARGET/, what the target said in build-fuzz/logs/.
# Every input that reached new code is kept in build-fuzz/corpus/TARGET/, where the next
# run starts from.
#
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
build=build-fuzz

scripts/install-deps.sh
mkdir -p "$build/logs"
if ! { cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DHM3300_FUZZ=ON -DHM3300_BUILD_GUI=OFF -DHM3300_BUILD_TESTS=OFF &&
    cmake --build "$build" --target fuzz_targets -j"$(nproc)"; } >"$build/logs/build.log" 2>&1; then
    cat "$build/logs/build.log" >&2
    echo "fuzz: the targets did not build" >&2
    exit 2
fi

count_files() { find "$1" -type f | wc -l; }

passed=0
failed=0
while read -r name seeds; do
    corpus="$build/corpus/$name"
    findings="$build/findings/$name"
    log="$build/logs/$name.log"
    mkdir -p "$corpus" "$findings"
    before=$(count_files "$findings")
    status=0
    # shellcheck disable=SC2086 # one folder per word
    "$build/bin/fuzz_$name" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$corpus" $seeds >"$log" 2>&1 || status=$?
    executions=$(awk '/^stat::number_of_executed_units:/ { runs = $2 } END { print runs + 0 }' "$log")
    found=$(($(count_files "$findings") - before))
    if [[ $status -ne 0 && $found -eq 0 ]]; then
        found=1 # stopped without leaving an input: see the log
    fi
    printf '%-22s %12d executions %4d findings\n' "$name" "$executions" "$found"
    if [[ $found -eq 0 ]]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        grep -m1 -E '^(FINDING|SUMMARY):' "$log" | sed 's/^/    /' || true
        echo "    input in $findings/, output in $log"
    fi
done <"$build/fuzz-targets.txt"

echo "$passed passed, $failed failed"
[[ $failed -eq 0 ]]
