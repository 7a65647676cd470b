#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT

# The window managers' own habits with the program's frameless window, each case on its own Xvfb
# display under its own manager: xfwm4 and kwin_x11 tile a window dragged by its title bar to the
# left screen edge and maximize one dragged to the top, and open their window menu on a right
# click on the title bar; openbox, which does neither, leaves the drag and the menu to the
# program; and a screen whose scale changes under the running program (Xft/DPI from 96 to 144
# through XSETTINGS) keeps the whole window drawn inside it.
#
# Usage: wm_habits_e2e.sh <xfwm4|kwin|openbox> <case> <program> <screenshot folder>
# Cases: xfwm4 and kwin: edge_tile, edge_maximize, window_menu; openbox: drag, own_menu, dpi.
# Exit status: 0 passed, 1 failed, 77 skipped (the display or the window manager cannot start).
set -uo pipefail

WM=$1
CASE=$2
PROGRAM=$(realpath "$3")
SHOTS=$4
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# The title bar's middle row; its middle is free of title and buttons.
readonly BAR_Y=13
SCREEN_W=1280 SCREEN_H=1024
# Room for the window at 150 %.
[ "$CASE" = dpi ] && SCREEN_W=1600 SCREEN_H=1200
readonly SCREEN_W SCREEN_H

WM_PID="" XSETTINGS_PID=""
# shellcheck source=SCRIPTDIR/../realDisplay.sh
source "$HERE/../realDisplay.sh"
LABEL="$WM $CASE"
SHOT_PREFIX=$SHOTS/${WM}_$CASE
SHOW_LOGS=(program.err wm.log openbox.log)
STOP_PIDS=(WM_PID XSETTINGS_PID)

start_xfwm4() {
    need xfwm4
    # xfwm4 reads its settings through xfconf: wrapping windows to the next workspace at the
    # screen's edges would keep it from tiling there.
    local channel="$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml"
    mkdir -p "$channel"
    cat >"$channel/xfwm4.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfwm4" version="1.0">
  <property name="general" type="empty">
    <property name="wrap_windows" type="bool" value="false"/>
    <property name="tile_on_move" type="bool" value="true"/>
    <property name="workspace_count" type="int" value="1"/>
    <property name="use_compositing" type="bool" value="false"/>
  </property>
</channel>
EOF
    start_session_bus
    xfwm4 --compositor=off >"$WORK/wm.log" 2>&1 &
}

start_kwin() {
    need kwin_x11
    start_session_bus
    KWIN_COMPOSE=N QT_QPA_PLATFORM=xcb kwin_x11 --replace >"$WORK/wm.log" 2>&1 &
}

start_openbox() {
    start_window_manager "$HERE/openbox-rc.xml" || fail "openbox did not start"
    wait_for 20000 xprop -root _NET_WORKAREA || fail "openbox did not publish its work area"
}

# What the window manager offers: _NET_WM_MOVERESIZE and _GTK_SHOW_WINDOW_MENU.
wm_supports() { xprop -root _NET_SUPPORTED | grep -q "$1"; }

start_wm() {
    export HOME="$WORK" XDG_CONFIG_HOME="$WORK/config" XDG_CACHE_HOME="$WORK/cache" \
        XDG_DATA_HOME="$WORK/data"
    mkdir -p "$XDG_CONFIG_HOME"
    own_runtime_dir
    "start_$WM"
    if [ "$WM" != openbox ]; then
        # The manager start_$WM left running; ended at exit through STOP_PIDS.
        # shellcheck disable=SC2034
        WM_PID=$!
        wait_for 20000 window_manager_running \
            || skip "$WM did not start:"$'\n'"$(tail -n 20 "$WORK/wm.log")"
        wm_supports _NET_WM_MOVERESIZE || skip "$WM does not announce _NET_WM_MOVERESIZE"
    fi
}

# The work area's "x y width height" as the window manager publishes it, the screen without.
work_area() {
    local area
    area=$(xprop -root _NET_WORKAREA 2>/dev/null | sed -n 's/.*= \([0-9]*\), \([0-9]*\), \([0-9]*\), \([0-9]*\).*/\1 \2 \3 \4/p')
    echo "${area:-0 0 $SCREEN_W $SCREEN_H}"
}

# drag_title_to <x> <y>: presses on the title bar's middle, moves the pointer there in steps and
# releases. After the second step the pointer creeps on until the window follows, so that the
# window manager has taken the move over (it starts on the first motion after the program's
# request) before the pointer reaches its target.
drag_title_to() {
    local sx=$((X + W / 2)) sy=$((Y + BAR_Y)) step steps=6
    xdotool mousemove "$sx" "$sy" mousedown 1
    for ((step = 1; step <= steps; step++)); do
        xdotool mousemove $((sx + ($1 - sx) * step / steps)) $((sy + ($2 - sy) * step / steps))
        if ((step == 2)); then
            wait_for 5000 creep_until_moved_from "$X" "$Y" \
                || { xdotool mouseup 1; fail "the window does not follow the title-bar drag"; }
        fi
    done
    # Where the manager tiles only on release, the last position has to reach it first.
    wait_for 2000 pointer_at "$1" "$2"
    xdotool mouseup 1
}
moved_from() { [ "$(geometry | cut -d' ' -f1-2)" != "$1 $2" ]; }
creep_until_moved_from() { moved_from "$@" || { xdotool mousemove_relative -- 1 1 && false; }; }
pointer_at() { xdotool getmouselocation | grep -q "^x:$1 y:$2 "; }

# The maximize button's accessible name, read through the accessibility bus.
button_named() { /usr/bin/python3 "$HERE/verrin_accessibility.py" --button "$1"; }

# Top-level windows of the display that are viewable and drawn (not input-only), one id a line,
# sorted.
viewable_windows() {
    local id info
    for id in $(xwininfo -root -children | awk '/^ +0x/ { print $1 }'); do
        info=$(xwininfo -id "$id")
        [[ $info == *IsViewable* && $info == *InputOutput* ]] && echo "$id"
    done | sort
}
# Succeeds once a viewable top-level window that was not in $BEFORE shows; its id in NEW_WINDOW.
new_window_shows() {
    NEW_WINDOW=$(comm -13 <(echo "$BEFORE") <(viewable_windows) | head -n1)
    [ -n "$NEW_WINDOW" ]
}
new_window_gone() { ! xwininfo -id "$NEW_WINDOW" 2>/dev/null | grep -q IsViewable; }

# A right click on the title bar's middle opens a menu window.
right_click_opens_menu() {
    BEFORE=$(viewable_windows)
    xdotool mousemove $((X + W / 2)) $((Y + BAR_Y)) click 3
    wait_for 5000 new_window_shows || fail "a right click on the title bar opened no menu"
    log "menu window $NEW_WINDOW: $(xwininfo -id "$NEW_WINDOW" | awk '/-geometry/ { print $2 }')"
    screenshot menu
}

# ---------------------------------------------------------------------------------------------

# Dragged by its title bar to the left screen edge, the window takes the left half of the work
# area.
case_edge_tile() {
    local ax ay aw ah
    read -r ax ay aw ah <<<"$(work_area)"
    drag_title_to "$ax" $((ay + ah / 2))
    local expected="$ax $ay $((aw / 2)) $ah"
    wait_for 10000 geometry_is "$expected" \
        || fail "dragged to the left edge the window is at $(geometry), expected $expected"
    screenshot tiled
}

# Dragged to the top edge, the window fills the work area, and its maximize button turns into
# Restore.
before_edge_maximize() {
    start_accessibility_bus
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
}
case_edge_maximize() {
    wait_for 10000 button_named Maximize || fail "no Maximize button on the accessibility bus"
    local ax ay aw ah
    read -r ax ay aw ah <<<"$(work_area)"
    drag_title_to $((X + W / 2)) "$ay"
    wait_for 10000 geometry_is "$ax" "$ay" "$aw" "$ah" \
        || fail "dragged to the top edge the window is at $(geometry), expected $ax $ay $aw $ah"
    screenshot maximized
    wait_for 5000 button_named Restore || fail "maximized by the drag, the button still reads Maximize"
}

before_window_menu() {
    wm_supports _GTK_SHOW_WINDOW_MENU || skip "$WM does not announce _GTK_SHOW_WINDOW_MENU"
}
case_window_menu() {
    right_click_opens_menu
    # The manager's menu, not one of the program's.
    local owner
    owner=$(xprop -id "$NEW_WINDOW" WM_CLASS 2>/dev/null)
    echo "$owner" | grep -qi verrin && fail "the program showed its own menu: $owner"
    xdotool key Escape
}

# Under a manager that takes no moves, the drag moves the window by the pointer's displacement.
case_drag() {
    local dx=137 dy=91
    drag_title_to $((X + W / 2 + dx)) $((Y + BAR_Y + dy))
    wait_for 10000 geometry_is $((X + dx)) $((Y + dy)) "$W" "$H" \
        || fail "after a drag by $dx,$dy the window is at $(geometry), expected $((X + dx)) $((Y + dy)) $W $H"
}

# Under a manager without a window menu, the program shows its own, and Escape closes it.
case_own_menu() {
    right_click_opens_menu
    xprop -id "$NEW_WINDOW" WM_CLASS | grep -qi verrin \
        || fail "the menu is not the program's: $(xprop -id "$NEW_WINDOW" WM_CLASS)"
    xdotool key Escape
    wait_for 5000 new_window_gone || fail "Escape did not close the menu"
}

# The screen's scale goes from 100 % to 150 % under the running program (Xft/DPI through
# XSETTINGS): the window keeps its size in the program's pixels, 900 by 644, so it grows to
# 1350 by 966 screen pixels, and its rim shows whole along all four edges.
before_dpi() {
    need xsettingsd
    echo "Xft/DPI $((96 * 1024))" >"$WORK/xsettingsd.conf"
    xsettingsd -c "$WORK/xsettingsd.conf" >"$WORK/xsettingsd.log" 2>&1 &
    XSETTINGS_PID=$!
    wait_for 5000 xsettings_served || skip "xsettingsd did not start: $(cat "$WORK/xsettingsd.log")"
}
xsettings_served() { grep -q 'Took ownership of selection' "$WORK/xsettingsd.log"; }

case_dpi() {
    [ "$W $H" = "900 644" ] || fail "at 100 % the window is ${W}x$H, expected 900x644"
    wait_for 10000 rim_whole 2 || fail "at 100 % the rim is not whole"
    echo "Xft/DPI $((144 * 1024))" >"$WORK/xsettingsd.conf"
    kill -HUP "$XSETTINGS_PID"
    wait_for 10000 size_is 1350 966 \
        || fail "at 150 % the window is $(geometry | cut -d' ' -f3- | tr ' ' x), expected 1350x966"
    local x y w h
    read -r x y w h <<<"$(geometry)"
    ((x >= 0 && y >= 0 && x + w <= SCREEN_W && y + h <= SCREEN_H)) \
        || fail "at 150 % the window at $x,$y is not inside the screen"
    wait_for 10000 rim_whole 3 || fail "at 150 % the rim is not whole"
    screenshot scaled
}

# ---------------------------------------------------------------------------------------------

case "$WM $CASE" in
"xfwm4 edge_tile" | "xfwm4 edge_maximize" | "xfwm4 window_menu") ;;
"kwin edge_tile" | "kwin edge_maximize" | "kwin window_menu") ;;
"openbox drag" | "openbox own_menu" | "openbox dpi") ;;
*)
    echo "unknown case $WM $CASE" >&2
    exit 2
    ;;
esac
[ -x "$PROGRAM" ] || fail "no program at $PROGRAM"
mkdir -p "$SHOTS"
rm -f "$SHOTS/${WM}_$CASE"-*.png
start_display "${SCREEN_W}x$SCREEN_H" xdotool xwininfo xprop import convert
start_wm
if declare -F "before_$CASE" >/dev/null; then
    "before_$CASE"
fi
# shellcheck disable=SC2119 # no variables to add
start_x11_program
"case_$CASE"
log "passed"
