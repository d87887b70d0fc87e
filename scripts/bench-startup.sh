#!/usr/bin/env bash
# Start-up of the calculator against a minimal Qt window: builds both programs and the runner,
# then starts each ten times, alternating, on a virtual X screen and prints the median time to
# the first paint, the resident memory then and the instructions until then (callgrind), each
# with the ratio calculator / minimal window.
#
#   scripts/bench-startup.sh [build directory] [runner options, e.g. --runs 20 --verbose]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build="$repo/build"
if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then
    build=$1
    shift
fi
"$repo/scripts/install-deps.sh"
cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$build" -j2 --target motrel-calculator motrel_bench_minimal_window \
    motrel_bench_startup > /dev/null
# The programs' own complaints (no session bus, no runtime directory) are the same for both.
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24" \
    "$build/bench/startup/motrel_bench_startup" --callgrind-runs 3 "$@" \
    "$build/app/motrel-calculator" "$build/bench/startup/motrel_bench_minimal_window" \
    2> >(grep -v -e '^QStandardPaths: ' >&2)
