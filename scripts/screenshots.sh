#!/bin/sh
# Writes docs/screenshots/<page>.png for each of the window's five pages, and the same at a
# scale factor of 2 in docs/screenshots/scale-2/. It builds the screenshot tool (the real form,
# shown on a virtual X screen, each page grabbed in turn) and runs it under Xvfb.
#
#   scripts/screenshots.sh [build directory]      (default: build)
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$repo/build"}
cmake -S "$repo" -B "$build" -DMOTREL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target motrel-screenshots
env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24" \
    "$build/app/motrel-screenshots" "$repo/docs/screenshots"
env -u QT_QPA_PLATFORM QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 1024x768x24" \
    "$build/app/motrel-screenshots" "$repo/docs/screenshots/scale-2"
ls "$repo/docs/screenshots" "$repo/docs/screenshots/scale-2"
