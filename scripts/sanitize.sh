#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UBSan in build-asan/ and runs it.
# Leak checking stays on; a finding of either sanitizer fails the test that made it.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOTREL_SANITIZE=ON \
    -DMOTREL_BUILD_BENCH=OFF > /dev/null
cmake --build build-asan -j "$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The package check installs the program on this machine; once, from the plain build, is enough.
ctest --test-dir build-asan --output-on-failure -j "$(nproc)" -LE install
