#!/usr/bin/env bash
# Builds and runs the window benchmark, then prints each figure as a ratio against the baseline
# of the same run. "--callgrind" counts instructions under valgrind instead of wall time,
# which stays the same on a busy machine.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build -j "$(nproc)" --target motrel_bench_window > /dev/null
options=(-csv -minimumtotal 300)
[ "${1:-}" = "--callgrind" ] && options=(-csv -callgrind)
QT_QPA_PLATFORM=offscreen build/bench/window/motrel_bench_window "${options[@]}" 2> /dev/null |
    awk -F, '
    /^"/ {
        gsub(/"/, "")
        if ($2 == "baseline") base[$1] = $4
        printf "%-24s %-28s %14.5g %-22s %6.2fx\n", $1, $2, $4, $3, $4 / base[$1]
    }'
