#!/usr/bin/env bash
# Installs what is missing, builds, runs every test, then a short fuzzing run of the library.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
ctest --test-dir build --output-on-failure
scripts/fuzz.sh 20
