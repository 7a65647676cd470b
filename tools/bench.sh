#!/usr/bin/env bash
# Builds and runs the traffic benchmark: one animation tick and one full repaint of the city
# block with every generator at its limit, on the software raster. Prints its figures.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages
cd "$ROOT"
if [ ! -f "build/$PRESET/CMakeCache.txt" ]; then
    cmake --preset "$PRESET" >/dev/null
fi
cmake --build --preset "$PRESET" --target bench_traffic -j"$(nproc)" >/dev/null
# Pinned to one core, so that the figures do not depend on Qt spreading work over threads.
pin=()
command -v taskset >/dev/null && pin=(taskset -c 0)
QT_QPA_PLATFORM=offscreen exec "${pin[@]}" "build/$PRESET/tests/app/traffic/bench_traffic" "$@"
