#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT

# Builds and runs the benchmark, which prints one table: start-up, memory and CPU of the main
# window against a bare Qt window and against one that draws a line of text, and the cost of an
# animation tick and a full repaint of the city block at its traffic limit.
# Options: --seconds N (default 30), --startups N (default 5).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages
ensure_runtime_dir
build --target bench_verrin >/dev/null
# Pinned to one core, so that the figures do not depend on Qt spreading work over threads.
pin=()
command -v taskset >/dev/null && pin=(taskset -c 0)
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
exec "${pin[@]}" "build/$PRESET/tests/bench/bench_verrin" "$@"
