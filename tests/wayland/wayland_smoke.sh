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
readonly SKIPPED=77
readonly SOCKET=wayland-verrin
readonly TITLE="Verrin - Oren Vale"

WORK=$(mktemp -d)
WESTON_PID="" PROGRAM_PID=""

cleanup() {
    local pid
    for pid in "$PROGRAM_PID" "$WESTON_PID"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    rm -rf "$WORK"
}
trap cleanup EXIT

log() { echo "[wayland $MODE] $*"; }

fail() {
    echo "[wayland $MODE] FAIL: $*" >&2
    local name
    for name in program.err weston.log; do
        if [ -s "$WORK/$name" ]; then
            echo "[wayland $MODE] $name:" >&2
            grep -v '^\[ *[0-9.]*\] ' "$WORK/$name" | tail -n 20 >&2
        fi
    done
    exit 1
}

skip() {
    echo "[wayland $MODE] SKIP: $*" >&2
    exit "$SKIPPED"
}

source "$(dirname "${BASH_SOURCE[0]}")/../waitFor.sh"

start_compositor() {
    command -v weston >/dev/null || skip "weston is not installed"
    local plugin
    plugin="$("$QTPATHS" --query QT_INSTALL_PLUGINS)/platforms/libqwayland-generic.so"
    [ -e "$plugin" ] || skip "Qt's Wayland platform plugin is not installed ($plugin)"
    export XDG_RUNTIME_DIR="$WORK/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    weston --backend=headless-backend.so --socket="$SOCKET" --idle-time=0 --no-config \
        >"$WORK/weston.log" 2>&1 &
    WESTON_PID=$!
    wait_for 10000 test -S "$XDG_RUNTIME_DIR/$SOCKET" || fail "weston did not open its socket"
    # The desktop shell is ready once its helper client has connected.
    wait_for 10000 grep -q "launching '.*weston-desktop-shell'" "$WORK/weston.log" \
        || fail "weston did not start its desktop shell"
}

# Lines of stderr that are not the protocol trace.
program_errors() { grep -v '^\[ *[0-9.]*\] ' "$WORK/program.err"; }

window_drawn() {
    grep -q "set_title(\"$TITLE\")" "$WORK/program.err" &&
        grep -q 'wl_surface@[0-9]*\.attach(wl_buffer' "$WORK/program.err"
}

run_suite() {
    # Under LeakSanitizer: Qt's Wayland platform leaves start-up allocations of system libraries
    # that only the slow unwinder traces back far enough for the suppressions to match.
    if [ -n "${LSAN_OPTIONS:-}" ]; then
        export LSAN_OPTIONS="$LSAN_OPTIONS:fast_unwind_on_malloc=0"
    fi
    (cd "$WORK" && exec env QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$SOCKET" "$PROGRAM" \
        >"$WORK/program.out" 2>"$WORK/program.err")
    local status=$?
    cat "$WORK/program.out"
    [ "$status" -eq 0 ] || fail "the suite ended with status $status"
    grep -q '^SKIP' "$WORK/program.out" && fail "the suite did not run on Wayland"
    [ ! -s "$WORK/program.err" ] || fail "the suite wrote to stderr"
}

run_program() {
    (cd "$WORK" && exec env QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$SOCKET" \
        WAYLAND_DEBUG=client "$PROGRAM" >"$WORK/program.out" 2>"$WORK/program.err") &
    PROGRAM_PID=$!
    wait_for 20000 window_drawn || fail "no window titled \"$TITLE\" was drawn"
    kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended by itself"
    log "the window is drawn"
    kill "$PROGRAM_PID"
    local status=0
    wait "$PROGRAM_PID" 2>/dev/null || status=$?
    PROGRAM_PID=""
    ((status == 0)) || fail "SIGTERM ended the program with status $status, not by its shut-down"
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
