#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT

# Builds and runs the benchmark, which prints one table: start-up, memory and CPU of the main
# window against a bare Qt window and against one that draws a line of text, and the cost of an
# animation tick and a full repaint of the city block at its traffic limit, and a screen reader's
# round trip to the animating main window against a plain Qt window, on a virtual display and a
# session bus of the benchmark's own (skipped where either cannot start).
# Options: --seconds N (default 30), --startups N (default 5).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages
ensure_runtime_dir
build --target bench_verrin >/dev/null
# Pinned to one core, so that the figures do not depend on Qt spreading work over threads.
pin=()
command -v taskset >/dev/null && pin=(taskset -c 0)
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# Only the round trip's windows show on the display, on a session bus whose talk stays out of the
# table; every other part stays offscreen.
BUS_PID=""
end_display_and_bus() {
    [ -z "$BUS_PID" ] || kill "$BUS_PID" 2>/dev/null || true
    stop_virtual_display
}
trap end_display_and_bus EXIT
unset DISPLAY DBUS_SESSION_BUS_ADDRESS
if start_virtual_display && command -v dbus-daemon >/dev/null &&
    bus=$(dbus-daemon --session --fork --nosyslog --print-address=1 --print-pid=1 2>/dev/null); then
    { read -r DBUS_SESSION_BUS_ADDRESS; read -r BUS_PID; } <<<"$bus"
    export DBUS_SESSION_BUS_ADDRESS
fi
"${pin[@]}" "build/$PRESET/tests/bench/bench_verrin" "$@"
