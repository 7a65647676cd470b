# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT
# shellcheck shell=bash

# Sourced by the tests that run the program on a display of their own (e2e/verrin_e2e.sh,
# e2e/wm_habits_e2e.sh, compositors/compositor_e2e.sh, wayland/wayland_smoke.sh); brings
# tools/display.sh along (Xvfb, openbox, wait_for). Sourcing it makes the work folder WORK, and
# at exit ends what the test started and removes WORK again (cleanup). It offers:
# - log, fail (exit 1), skip (exit 77), screenshot and need (skips without a tool);
# - start_display, own_runtime_dir, start_session_bus, start_accessibility_bus;
# - the program (PROGRAM) started and ended: launch_program, start_x11_program with the X11
#   window's geometry (WIN, geometry, settled_geometry, rim_whole), start_wayland_program,
#   program_running, reap_program.
# After sourcing it, the test sets what differs between the tests:
#   LABEL        names the case in every line: "[<LABEL>] ..."
#   SHOT_PREFIX  the screenshots' path before "-<name>.png"; none are taken where it is empty
#   SHOW_LOGS    files in WORK whose last SHOW_LINES (20) lines a failure shows, without the
#                lines that match the grep pattern HIDE_LINES where it is set
#   STOP_PIDS    names of the variables that hold further processes to end at exit, in order
#   KEEP_WORK    a folder to copy WORK into at exit, where it is set

source "$(dirname "${BASH_SOURCE[0]}")/../tools/display.sh"

readonly SKIPPED=77
readonly TITLE="Verrin - Oren Vale"
# The socket of the Wayland compositors the tests start.
# shellcheck disable=SC2034 # read by the Wayland tests
readonly SOCKET=wayland-verrin

WORK=$(mktemp -d)
PROGRAM_PID="" BUS_PID="" WIN="" LABEL="" SHOT_PREFIX="" SHOW_LOGS=() STOP_PIDS=()

cleanup() {
    local name
    for name in PROGRAM_PID "${STOP_PIDS[@]}"; do
        [ -n "${!name}" ] && kill "${!name}" 2>/dev/null && wait "${!name}" 2>/dev/null
    done
    stop_virtual_display
    [ -n "$BUS_PID" ] && kill "$BUS_PID" 2>/dev/null
    [ -n "${KEEP_WORK:-}" ] && cp -r "$WORK/." "$KEEP_WORK"
    rm -rf "$WORK"
}
trap cleanup EXIT

log() { echo "[$LABEL] $*"; }

screenshot() {
    [ -n "${DISPLAY:-}" ] && [ -n "$SHOT_PREFIX" ] || return 0
    import -window root "$SHOT_PREFIX-$1.png" 2>/dev/null && log "screenshot: $SHOT_PREFIX-$1.png"
}

fail() {
    echo "[$LABEL] FAIL: $*" >&2
    screenshot failure
    local name
    for name in "${SHOW_LOGS[@]}"; do
        if [ -s "$WORK/$name" ]; then
            echo "[$LABEL] $name:" >&2
            if [ -n "${HIDE_LINES:-}" ]; then
                grep -v "$HIDE_LINES" "$WORK/$name"
            else
                cat "$WORK/$name"
            fi | tail -n "${SHOW_LINES:-20}" >&2
        fi
    done
    exit 1
}

skip() {
    echo "[$LABEL] SKIP: $*" >&2
    exit "$SKIPPED"
}

need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
}

# start_display <width>x<height> [<tool>...]: an Xvfb display of that size, its logs in WORK;
# skips where it or one of the tools is not installed, or where it cannot start.
start_display() {
    need Xvfb "${@:2}"
    start_virtual_display "$1" "$WORK"
    case $? in
    0) ;;
    1) skip "Xvfb could not start:"$'\n'"$(cat "$WORK/xvfb.log")" ;;
    *) fail "the display $DISPLAY does not answer" ;;
    esac
}

own_runtime_dir() {
    export XDG_RUNTIME_DIR="$WORK/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
}

# A session bus of the case's own, started with the case's environment, so the services it
# starts read the case's settings.
start_session_bus() {
    need dbus-daemon
    local bus
    bus=$(dbus-daemon --session --fork --nosyslog --print-address=1 --print-pid=1 2>"$WORK/bus.log") \
        || skip "no session bus could be started"
    export DBUS_SESSION_BUS_ADDRESS
    { read -r DBUS_SESSION_BUS_ADDRESS; read -r BUS_PID; } <<<"$bus"
}

# The accessibility bus, started the way a desktop session starts it for a screen reader, on the
# session bus (one of the case's own unless it runs already); the program's accessibility on.
start_accessibility_bus() {
    need dbus-send /usr/libexec/at-spi-bus-launcher
    [ -n "$BUS_PID" ] || start_session_bus
    # Activates at-spi-bus-launcher, as the first accessibility client of a session does.
    wait_for 10000 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress || skip "the accessibility bus could not start"
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# launch_program [<variable>=<value>...]: starts the program in WORK with those variables, its
# output in program.out and program.err; in English unless they name another LANGUAGE.
launch_program() {
    (cd "$WORK" && exec env LANGUAGE=en "$@" "$PROGRAM" >"$WORK/program.out" 2>"$WORK/program.err") &
    PROGRAM_PID=$!
}
program_running() { kill -0 "$PROGRAM_PID" 2>/dev/null; }
program_ended() { ! program_running; }
# Waits for the program's end; its exit status in STATUS.
# shellcheck disable=SC2034 # read by the tests
reap_program() {
    STATUS=0
    wait "$PROGRAM_PID" || STATUS=$?
    PROGRAM_PID=""
}

# start_wayland_program [<variable>=<value>...]: the program on Qt's Wayland platform, the
# protocol trace in program.err; waits until its window is drawn.
start_wayland_program() {
    launch_program QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$@"
    wait_for 20000 window_drawn || fail "no window titled \"$TITLE\" was drawn"
    program_running || fail "the program ended by itself"
}
window_drawn() {
    grep -q "set_title(\"$TITLE\")" "$WORK/program.err" &&
        grep -q 'wl_surface@[0-9]*\.attach(wl_buffer' "$WORK/program.err"
}

# start_x11_program [<variable>=<value>...]: the program on the X display; waits until its
# window (WIN) shows and has settled, at X, Y, size W by H.
start_x11_program() {
    launch_program QT_QPA_PLATFORM=xcb "$@"
    wait_for 20000 window_or_end || fail "no visible window titled \"$TITLE\" appeared"
    program_running || fail "the program ended before showing its window"
    read -r X Y W H <<<"$(settled_geometry)"
    log "window $WIN at $X,$Y size ${W}x$H"
}

find_window() {
    WIN=$(xdotool search --onlyvisible --name "^${TITLE}\$" 2>/dev/null | head -n1)
    [ -n "$WIN" ]
}
# Succeeds once the window is there, or once the program has ended without it.
window_or_end() { find_window || program_ended; }

# Prints "x y width height" of the program window, in root coordinates.
geometry() {
    xwininfo -id "$WIN" | awk '
        /Absolute upper-left X:/ { x = $4 }
        /Absolute upper-left Y:/ { y = $4 }
        /^ *Width:/ { w = $2 }
        /^ *Height:/ { h = $2 }
        END { print x, y, w, h }'
}
geometry_is() { [ "$(geometry)" = "$*" ]; }
size_is() { [ "$(geometry | cut -d' ' -f3-)" = "$*" ]; }

# Two readings 150 ms apart agree: the window manager has done placing the window.
geometry_settled() {
    local first
    first=$(geometry)
    sleep 0.15
    SETTLED=$(geometry)
    [ "$first" = "$SETTLED" ]
}
# The window's geometry once it has settled, or as it is after five seconds.
settled_geometry() {
    wait_for 5000 geometry_settled
    echo "$SETTLED"
}

# Takes a fresh screenshot into $WORK/now.png.
grab_now() { import -window root "$WORK/now.png" 2>/dev/null; }

# rim_whole <width>: the window's rim as it is now, that many pixels wide, black along all four
# edges halfway along them: one reading of every pixel.
rim_whole() {
    local x y w h
    read -r x y w h <<<"$(geometry)"
    grab_now || return 1
    local sum="0" i point
    for ((i = 0; i < $1; i++)); do
        for point in "$((x + i)),$((y + h / 2))" "$((x + w - 1 - i)),$((y + h / 2))" \
            "$((x + w / 2)),$((y + i))" "$((x + w / 2)),$((y + h - 1 - i))"; do
            sum="$sum+p{$point}.r+p{$point}.g+p{$point}.b"
        done
    done
    [ "$(convert "$WORK/now.png" -format "%[fx:int(255*($sum))]" info:)" = 0 ]
}
