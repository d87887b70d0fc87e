#!/usr/bin/env bash
# Installs what is missing, builds, runs a short fuzzing run of the library, then every test,
# and every test again built with AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
scripts/fuzz.sh 20
ctest --test-dir build --output-on-failure
scripts/sanitize.sh
