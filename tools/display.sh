# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT
# shellcheck shell=bash

# Sourced by the scripts that show the program on a virtual X display of their own: tools/run.sh
# (through tools/common.sh) and the real-display tests. Starts Xvfb, openbox on it where wanted,
# and stops both again. Brings the bounded wait (wait_for) along.

source "$(dirname "${BASH_SOURCE[0]}")/../tests/waitFor.sh"

XVFB_PID="" OPENBOX_PID="" VIRTUAL_DISPLAY_DIR="" OWN_DISPLAY_DIR=""

# start_virtual_display [<width>x<height>] [<folder>]: starts Xvfb with one screen of that size
# (1280x1024 unless given) and exports DISPLAY. The logs, xvfb.log and openbox.log, go into the
# folder, by default a temporary one that stop_virtual_display removes.
# Returns 1 when the server did not start (not installed, or no display within 10 s), 2 when the
# display it started does not answer.
start_virtual_display() {
    local size=${1:-1280x1024}
    VIRTUAL_DISPLAY_DIR=${2:-}
    if [ -z "$VIRTUAL_DISPLAY_DIR" ]; then
        OWN_DISPLAY_DIR=$(mktemp -d)
        VIRTUAL_DISPLAY_DIR=$OWN_DISPLAY_DIR
    fi
    command -v Xvfb >/dev/null || return 1
    # -displayfd lets the server pick a free display number itself, so parallel runs never race
    # for one.
    # -noreset: otherwise the server resets when its last client (the readiness probe) leaves,
    # and a client connecting during the reset is refused.
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset \
        3>"$VIRTUAL_DISPLAY_DIR/display" >"$VIRTUAL_DISPLAY_DIR/xvfb.log" 2>&1 &
    XVFB_PID=$!
    wait_for 10000 test -s "$VIRTUAL_DISPLAY_DIR/display" || return 1
    DISPLAY=":$(head -n1 "$VIRTUAL_DISPLAY_DIR/display")"
    export DISPLAY
    wait_for 10000 xdpyinfo || return 2
}

window_manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; }

# start_window_manager [<config file>]: starts openbox on the virtual display and waits until it
# runs, as a window mapped before that is never managed. Returns 1 when it is not up in 20 s.
start_window_manager() {
    local config=()
    if [ -n "${1:-}" ]; then
        config=(--config-file "$1")
    fi
    openbox --sm-disable "${config[@]}" >"$VIRTUAL_DISPLAY_DIR/openbox.log" 2>&1 &
    OPENBOX_PID=$!
    wait_for 20000 window_manager_running
}

# Ends openbox and Xvfb, whichever of them runs; safe to call more than once.
stop_virtual_display() {
    local pid
    for pid in "$OPENBOX_PID" "$XVFB_PID"; do
        [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    done
    for pid in "$OPENBOX_PID" "$XVFB_PID"; do
        [ -z "$pid" ] || wait "$pid" 2>/dev/null || true
    done
    OPENBOX_PID="" XVFB_PID=""
    if [ -n "$OWN_DISPLAY_DIR" ]; then
        rm -rf "$OWN_DISPLAY_DIR"
        OWN_DISPLAY_DIR=""
    fi
}
