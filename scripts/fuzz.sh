#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UBSan in build-fuzz/ and runs
# each for the given number of seconds (default 20) from the seed corpus in tests/fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" \
    -DMOTREL_BUILD_APP=OFF -DMOTREL_BUILD_TESTS=OFF -DMOTREL_BUILD_BENCH=OFF \
    -DMOTREL_BUILD_FUZZ=ON > /dev/null
cmake --build build-fuzz -j "$(nproc)"
for target in number_reading result_format calculators; do
    work=$(mktemp -d)
    cp tests/fuzz/corpus/$target/* "$work"/
    echo "fuzz_$target: ${seconds}s"
    log="$work.log"
    status=0
    build-fuzz/tests/fuzz/fuzz_$target -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix=build-fuzz/ "$work" > "$log" 2>&1 || status=$?
    rm -rf "$work"
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$log"
        echo "fuzz_$target failed; the input is in build-fuzz/"
        exit 1
    fi
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$log"
    rm -f "$log"
done
echo "fuzzing: no failure"
