#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT

# The program's window on Qt's Wayland platform under real desktop compositors: KWin, mutter,
# sway and Weston, each started here on its own (nested in an Xvfb display, or headless), the
# window driven with the pointer and the compositor's own bindings, its geometry and state read
# back from the compositor where it tells them, from the client's protocol trace where it does not.
#
# Usage: compositor_e2e.sh <kwin|mutter|sway|weston> <case> <verrin> <screenshot folder>
# Cases: maximize, wm_maximize, fullscreen, close, iconify, menu (each where the compositor has it).
# Exit status: 0 passed, 1 failed, 77 skipped (the compositor or its display could not start, or
# the case means nothing under it).
set -uo pipefail

COMPOSITOR=$1
CASE=$2
PROGRAM=$(realpath "$3")
SHOTS=$4
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Window layout: the title bar's row, and from the right edge 6 pixels, then close,
# maximize/restore and iconify, 23 pixels each.
readonly BAR_Y=13 BUTTON_W=23 BUTTON_GAP=6

# shellcheck disable=SC2034 # both ended at exit through STOP_PIDS
COMPOSITOR_PID="" PANEL_PID=""
# The compositor's output and the work area it leaves to windows; set by <compositor>_start.
OUT_W=0 OUT_H=0 AREA_X=0 AREA_Y=0 AREA_W=0 AREA_H=0
# The window as last read by <compositor>_read: place, size, and 0/1 states.
WX=0 WY=0 WW=0 WH=0 MAXED=0 FULL=0 MINI=0

# The work folder, Xvfb for the nested compositors, the bounded wait, and the lines the case
# writes.
# shellcheck source=SCRIPTDIR/../realDisplay.sh
source "$HERE/../realDisplay.sh"
LABEL="$COMPOSITOR $CASE"
SHOT_PREFIX=$SHOTS/${COMPOSITOR}_$CASE
SHOW_LOGS=(program.err compositor.log)
HIDE_LINES='^\[ *[0-9.]*\] \|Message: .*: GEOMETRY: \|^  '
SHOW_LINES=15
STOP_PIDS=(PANEL_PID COMPOSITOR_PID)
# COMPOSITOR_E2E_KEEP=<folder> keeps the logs and the protocol trace there.
KEEP_WORK=${COMPOSITOR_E2E_KEEP:-}

# wait_for_socket [<socket>]: waits for the compositor's socket (SOCKET in XDG_RUNTIME_DIR unless
# given); skips with its log when the compositor ended instead.
wait_for_socket() {
    local socket=${1:-$XDG_RUNTIME_DIR/$SOCKET}
    wait_for 20000 socket_or_end "$socket"
    [ -S "$socket" ] || compositor_failed
}
socket_or_end() { [ -S "$1" ] || ! kill -0 "$COMPOSITOR_PID" 2>/dev/null; }
compositor_failed() { skip "$COMPOSITOR could not start:"$'\n'"$(tail -n 15 "$WORK/compositor.log")"; }

# The client's protocol trace: the last configure event as "<width> <height> <state bytes>"
# (xdg_toplevel states are 4-byte values, the trace shows only the array's length), and the
# last window geometry the client set, as "<width> <height>".
last_configure() {
    grep -o 'xdg_toplevel@[0-9]*\.configure([0-9]*, [0-9]*, array\[[0-9]*\])' \
        "$WORK/program.err" | tail -n1 | tr -c '0-9\n' ' ' | awk '{print $2, $3, $4}'
}
last_window_geometry() {
    grep -o 'set_window_geometry([0-9]*, [0-9]*, [0-9]*, [0-9]*)' "$WORK/program.err" |
        tail -n1 | tr -c '0-9\n' ' ' | awk '{print $3, $4}'
}

# The pointer position the client was last told, in window coordinates, is POINTER_SEEN.
pointer_seen() { [ "$(pointed_since 0)" = "$POINTER_SEEN" ]; }

# xdotool_click <x> <y> <count> [<button>], for the compositors nested at the Xvfb screen's top left: moves
# the pointer there and clicks only once the window was told so (a click right behind the move
# may reach mutter before the motion does).
xdotool_click() {
    local try
    POINTER_SEEN="$(($1 - WX)) $(($2 - WY))"
    for try in 1 2 3; do
        xdotool mousemove $(($1 + try - 1)) "$2" mousemove "$1" "$2"
        wait_for 2000 pointer_seen && break
    done
    xdotool click --repeat "$3" --delay 120 "${4:-1}"
}

# For the compositors nested in an Xvfb window at the screen's top left, on a screen larger than
# the output (Weston, mutter): their pointer's place inside follows the X pointer reliably only
# as it enters their window (Weston moves it by relative motion, mutter holds back motion), so
# every pointing starts outside and enters where wanted.
# pointer_enter <x> <y>: the pointer enters the output at that point; sets ENTERED to the window
# coordinates the client was told ("" when it was told none). Weston tells the client only where
# the pointer lands on another point than its last (kept in a file: the cases read the window in
# subshells too); to the same point again, it goes by a neighbour.
ENTERED=""
pointer_enter() {
    [ "$1 $2" = "$(cat "$WORK/pointer" 2>/dev/null)" ] && pointer_enter_once $(($1 + 1)) "$2"
    pointer_enter_once "$1" "$2"
}
pointer_enter_once() {
    local lines
    lines=$(wc -l <"$WORK/program.err")
    pointer_out
    xdotool mousemove "$1" "$2"
    echo "$1 $2" >"$WORK/pointer"
    wait_for 2000 pointed_since "$lines"
    ENTERED=$(pointed_since "$lines")
}
# Out of the compositor's window, onto the Xvfb screen's margin.
pointer_out() { xdotool mousemove "$((OUT_W + 8))" "$((OUT_H + 8))"; }
pointed_since() { # <lines of the trace before>: the pointer's last place told since, as "<x> <y>"
    local point
    point=$(tail -n +"$(($1 + 1))" "$WORK/program.err" |
        grep -o 'wl_pointer@[0-9]*\.\(enter([0-9]*, wl_surface@[0-9]*, \|motion([0-9]*, \)[0-9.]*, [0-9.]*' |
        tail -n1 | awk -F', ' '{ printf "%.0f %.0f\n", $(NF - 1), $NF }')
    [ -n "$point" ] && echo "$point"
}
# enter_click <x> <y> <count> [<button>]: clicks once the client was told the pointer is there (while mutter
# still plays a window's animation, the pointer lands elsewhere in it).
enter_click() {
    local want="$(($1 - WX)) $(($2 - WY))"
    wait_for 3000 entered_at "$1" "$2" "$want" ||
        fail "the pointer entered the window at ${ENTERED:-no point}, not at ${want/ /,}"
    xdotool click --repeat "$3" --delay 120 "${4:-1}"
}
entered_at() { pointer_enter "$1" "$2" && [ "$ENTERED" = "$3" ]; }

start_program() {
    # A runtime folder of its own: the compositor's may belong to another user (sway's).
    mkdir -m 700 "$WORK/program-runtime"
    start_wayland_program WAYLAND_DISPLAY="$XDG_RUNTIME_DIR/$SOCKET" \
        XDG_RUNTIME_DIR="$WORK/program-runtime"
}

# The window as the compositor shows it.
read_window() { WX=0 WY=0 WW=0 WH=0 MAXED=0 FULL=0 MINI=0 && "${COMPOSITOR}_read"; }
describe() { echo "${WW}x${WH} at $WX,$WY maximized=$MAXED fullscreen=$FULL minimized=$MINI"; }

# window_is <x> <y> <w> <h> <maximized> <fullscreen>: the window's present geometry and state.
window_is() {
    read_window || return 1
    [ "$WX $WY $WW $WH $MAXED $FULL" = "$*" ]
}

window_is_or_end() { window_is "$@" || program_ended; }

# expect <what> <x> <y> <w> <h> <maximized> <fullscreen>: the window reaches that within 5 s.
expect() {
    local what=$1
    shift
    wait_for 5000 window_is_or_end "$@"
    program_running || fail "$what: the program ended"
    window_is "$@" || fail "$what: expected $3x$4 at $1,$2 maximized=$5 fullscreen=$6, got $(describe)"
    log "$what: $(describe)"
}

# The window as it first shows, neither maximized nor full screen; sets NORMAL.
NORMAL=""
settle_normal() {
    wait_for 10000 window_settled_normal || fail "the window did not show normally: $(describe)"
    NORMAL="$WX $WY $WW $WH"
    log "normal: $(describe)"
}
# Normal, and at the size the client last drew for.
window_is_normal() {
    read_window && ((WW > 0 && MAXED == 0 && FULL == 0 && MINI == 0)) &&
        [ "$WW $WH" = "$(last_window_geometry)" ]
}
# Normal in two readings 200 ms apart: the compositor has done placing the window (mutter
# constrains it at the origin first).
window_settled_normal() {
    window_is_normal || return 1
    local first
    first=$(describe)
    sleep 0.2
    window_is_normal && [ "$(describe)" = "$first" ]
}

# Clicks on the window, in the compositor's output coordinates, from its present geometry.
click_button() { # <1 close | 2 maximize/restore | 3 iconify>
    read_window
    "${COMPOSITOR}_click" $((WX + WW - BUTTON_GAP - BUTTON_W * $1 + BUTTON_W / 2)) $((WY + BAR_Y)) 1
}
click_bar() { # <count> [<button>]: on the title bar's middle
    read_window
    "${COMPOSITOR}_click" $((WX + WW / 2)) $((WY + BAR_Y)) "$@"
}

expect_maximized() { expect "$1" "$AREA_X" "$AREA_Y" "$AREA_W" "$AREA_H" 1 0; }
# shellcheck disable=SC2086 # NORMAL holds four numbers
expect_normal() { expect "$1" $NORMAL 0 0; }

# After leaving full screen through the box: either normal at the former geometry, or maximized
# filling the work area, whichever the compositor reports (MAXED).
expect_out_of_fullscreen() {
    wait_for 5000 out_of_fullscreen
    read_window
    if ((FULL == 0 && MAXED == 1)); then
        expect_maximized "$1"
    else
        expect_normal "$1"
    fi
}
out_of_fullscreen() {
    read_window && ((FULL == 0)) &&
        { [ "$WX $WY $WW $WH $MAXED" = "$NORMAL 0" ] ||
            [ "$WX $WY $WW $WH $MAXED" = "$AREA_X $AREA_Y $AREA_W $AREA_H 1" ]; }
}

case_maximize() {
    click_button 2
    expect_maximized "Maximize button"
    click_button 2
    expect_normal "Restore button"
    click_bar 2
    expect_maximized "double click on the title bar"
    screenshot maximized
    click_button 2
    expect_normal "Restore button after the double click"
}

case_wm_maximize() {
    "${COMPOSITOR}_wm_maximize"
    expect_maximized "$COMPOSITOR's maximize"
    click_button 2
    expect_normal "Restore button"
    click_button 2
    expect_maximized "Maximize button"
}

case_fullscreen() {
    "${COMPOSITOR}_wm_fullscreen"
    expect "$COMPOSITOR's full screen" 0 0 "$OUT_W" "$OUT_H" 0 1
    screenshot fullscreen
    click_button 2
    expect_out_of_fullscreen "the box's button in full screen"
    # Where the compositor has no maximize, the window is back to normal and stays so.
    "${COMPOSITOR}_has_case" maximize || return 0
    local maximized=$MAXED
    click_button 2
    if ((maximized)); then
        expect_normal "Restore button"
    else
        expect_maximized "Maximize button"
    fi
}

# In the client's trace: it asked for the window menu, and then the pointer, left where it was,
# left the window for the menu that opened under it.
window_menu_open() {
    awk '/ -> xdg_toplevel@[0-9]*\.show_window_menu\(/ { asked = 1; left = 0 }
        asked && /wl_pointer@[0-9]*\.leave\(/ { left = 1 }
        END { exit !left }' "$WORK/program.err"
}

# A right click on the title bar's free area opens the compositor's window menu; its Maximize
# entry, chosen by keyboard, maximizes the window.
case_menu() {
    click_bar 1 3
    wait_for 3000 window_menu_open ||
        fail "the right click on the title bar opened no window menu under the pointer"
    log "the window menu is open"
    "${COMPOSITOR}_menu_maximize"
    expect_maximized "the window menu's Maximize"
}

case_close() {
    "${COMPOSITOR}_wm_close"
    wait_for 5000 program_ended || fail "$COMPOSITOR's close did not end the program"
    reap_program
    ((STATUS == 0)) || fail "$COMPOSITOR's close ended the program with status $STATUS"
    log "the program ended with status 0"
}

minimized_is() { read_window && ((MINI == $1)); }
case_iconify() {
    click_button 3
    wait_for 5000 minimized_is 1 ||
        fail "the Minimize button did not minimize the window: $(describe)"
    log "minimized"
    # It must stay so: nothing may raise it again by itself.
    if wait_for 1500 minimized_is 0; then
        fail "the window came back by itself after the Minimize button: $(describe)"
    fi
    program_running || fail "the program ended"
    log "still minimized"
}

[[ $COMPOSITOR =~ ^(kwin|mutter|sway|weston)$ ]] || {
    echo "unknown compositor $COMPOSITOR" >&2
    exit 2
}
declare -F "case_$CASE" >/dev/null || {
    echo "unknown case $CASE" >&2
    exit 2
}
# shellcheck source=/dev/null # kwin.sh, mutter.sh or sway.sh
source "$HERE/$COMPOSITOR.sh"
"${COMPOSITOR}_has_case" "$CASE" || skip "$CASE means nothing under $COMPOSITOR"

mkdir -p "$SHOTS"
own_runtime_dir
[ -e "$(${QTPATHS:-qtpaths6} --query QT_INSTALL_PLUGINS 2>/dev/null)/platforms/libqwayland-generic.so" ] ||
    skip "Qt's Wayland platform plugin is not installed"
"${COMPOSITOR}_start"
log "output ${OUT_W}x$OUT_H, work area ${AREA_W}x$AREA_H at $AREA_X,$AREA_Y"
start_program
settle_normal
"case_$CASE"
log "passed"
