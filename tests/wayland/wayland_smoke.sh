#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT

# Runs a program on Qt's Wayland platform, on a headless Weston compositor of its own.
#
# Usage: wayland_smoke.sh suite <qtpaths> <Qt Test program>
#        wayland_smoke.sh program <qtpaths> <verrin>
# "suite" runs the Qt Test program to its end. "program" starts verrin and waits until its
# window has a title and a drawn buffer in the client's protocol trace; the headless compositor
# has no input devices to close it with, so it is then ended with SIGTERM, which it takes as a
# request to shut down.
# Either way the program must write nothing to stderr (the protocol trace aside).
# Exit status: 0 passed, 1 failed, 77 skipped (no Weston or no Qt Wayland platform plugin).
set -uo pipefail

MODE=$1
QTPATHS=$2
PROGRAM=$(realpath "$3")
WESTON_PID=""

# The work folder, the bounded wait, and the lines the case writes.
# shellcheck source=SCRIPTDIR/../realDisplay.sh
source "$(dirname "${BASH_SOURCE[0]}")/../realDisplay.sh"
LABEL="wayland $MODE"
SHOW_LOGS=(program.err weston.log)
# The protocol trace's lines.
HIDE_LINES='^\[ *[0-9.]*\] '
STOP_PIDS=(WESTON_PID)

start_compositor() {
    need weston
    local plugin
    plugin="$("$QTPATHS" --query QT_INSTALL_PLUGINS)/platforms/libqwayland-generic.so"
    [ -e "$plugin" ] || skip "Qt's Wayland platform plugin is not installed ($plugin)"
    own_runtime_dir
    weston --backend=headless-backend.so --socket="$SOCKET" --idle-time=0 --no-config \
        >"$WORK/weston.log" 2>&1 &
    # shellcheck disable=SC2034 # ended at exit through STOP_PIDS
    WESTON_PID=$!
    wait_for 10000 test -S "$XDG_RUNTIME_DIR/$SOCKET" || fail "weston did not open its socket"
    # The desktop shell is ready once its helper client has connected.
    wait_for 10000 grep -q "launching '.*weston-desktop-shell'" "$WORK/weston.log" \
        || fail "weston did not start its desktop shell"
}

# Lines of stderr that are not the protocol trace.
program_errors() { grep -v "$HIDE_LINES" "$WORK/program.err"; }

run_suite() {
    # Under LeakSanitizer: Qt's Wayland platform leaves start-up allocations of system libraries
    # that only the slow unwinder traces back far enough for the suppressions to match.
    if [ -n "${LSAN_OPTIONS:-}" ]; then
        export LSAN_OPTIONS="$LSAN_OPTIONS:fast_unwind_on_malloc=0"
    fi
    launch_program QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$SOCKET"
    reap_program
    cat "$WORK/program.out"
    [ "$STATUS" -eq 0 ] || fail "the suite ended with status $STATUS"
    grep -q '^SKIP' "$WORK/program.out" && fail "the suite did not run on Wayland"
    [ ! -s "$WORK/program.err" ] || fail "the suite wrote to stderr"
}

run_program() {
    start_wayland_program WAYLAND_DISPLAY="$SOCKET"
    log "the window is drawn"
    kill "$PROGRAM_PID"
    reap_program
    ((STATUS == 0)) || fail "SIGTERM ended the program with status $STATUS, not by its shut-down"
    if program_errors | grep -q .; then
        fail "the program wrote to stderr"
    fi
    [ ! -s "$WORK/program.out" ] || fail "the program wrote to stdout"
}

case $MODE in
suite | program) ;;
*)
    echo "unknown mode $MODE" >&2
    exit 2
    ;;
esac
start_compositor
"run_$MODE"
log "passed"
