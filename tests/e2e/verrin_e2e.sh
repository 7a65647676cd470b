#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT

# Real-display tests: starts the verrin program on its own Xvfb display under openbox and
# drives it from outside with xdotool, reading the result back with xwininfo, xprop and
# screenshots, as a user at the screen would see it.
#
# Usage: verrin_e2e.sh <case> <program> <screenshot folder>
# Exit status: 0 passed, 1 failed, 77 skipped (no virtual display could be started).
set -uo pipefail

CASE=$1
PROGRAM=$(realpath "$2")
SHOTS=$3
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# The work area that openbox-rc.xml's margins leave free.
readonly AREA_X=60 AREA_Y=40
SCREEN_W=1280 SCREEN_H=1024
# The program's scale factor (QT_SCALE_FACTOR); window sizes and positions scale with it.
SCALE=1
case "$CASE" in
    # Two monitors side by side on a screen twice as wide.
    lost_screen) SCREEN_W=2560 ;;
    scale_150) SCREEN_W=2560 SCREEN_H=1600 SCALE=1.5 ;;
    scale_175) SCREEN_W=2560 SCREEN_H=1600 SCALE=1.75 ;;
    scale_200) SCREEN_W=2560 SCREEN_H=1600 SCALE=2 ;;
    # The largest screen size; the cases switch the screen to smaller modes.
    screen_*) SCREEN_W=1600 SCREEN_H=1200 ;;
    # Room for the window at 200 %.
    crisp_artwork) SCREEN_W=2560 SCREEN_H=1600 ;;
esac
readonly SCREEN_W SCREEN_H SCALE
readonly AREA_W=$((SCREEN_W - AREA_X)) AREA_H=$((SCREEN_H - AREA_Y))
# Window layout: 2-pixel rim, 22-pixel title bar, 150-pixel menu list of 40-pixel entries;
# from the right edge: 6 pixels, then close, maximize/restore and iconify, 23 pixels each.
readonly BAR_Y=13
readonly ABOUT_X=77 ABOUT_Y=44 EXIT_X=77 EXIT_Y=84

# The work folder, the display and its window manager, the bounded wait, and the lines the case
# writes.
# shellcheck source=SCRIPTDIR/../realDisplay.sh
source "$HERE/../realDisplay.sh"
LABEL=$CASE
SHOT_PREFIX=$SHOTS/$CASE
SHOW_LOGS=(program.err openbox.log xvfb.log)

work_area_ready() {
    xprop -root _NET_WORKAREA | grep -q "= $AREA_X, $AREA_Y, $AREA_W, $AREA_H"
}

# A gradient backdrop instead of Xvfb's black root, so the window's black rim shows. Set once
# the window manager runs, since openbox clears the root window as it starts.
paint_backdrop() {
    convert -size "${SCREEN_W}x${SCREEN_H}" gradient:'#5b7fa3-#243a52' "$WORK/backdrop.png"
    display -window root "$WORK/backdrop.png" >/dev/null 2>&1 || true
}

start_openbox() {
    start_window_manager "$HERE/openbox-rc.xml" || fail "openbox did not start"
    wait_for 20000 work_area_ready || fail "openbox did not publish its work area"
}

fills_work_area() { geometry_is "$AREA_X" "$AREA_Y" "$AREA_W" "$AREA_H"; }

# The program's language variables, where a case sets them.
PROGRAM_LOCALE=()
start_program() {
    own_runtime_dir
    start_x11_program QT_SCALE_FACTOR="${QT_SCALE_FACTOR:-$SCALE}" "${PROGRAM_LOCALE[@]}"
}

# A length of the window at the program's scale, in the screen's pixels.
scaled() { awk -v n="$1" -v f="$SCALE" 'BEGIN { printf "%d", n * f + 0.5 }'; }

# Clicks at a point given relative to the window's top-left corner as the case found it (X, Y).
click_at() {
    xdotool mousemove $((X + $1)) $((Y + $2)) click 1
}

# window_point <part> [row]: "x y" in root coordinates of a part of the window where it is now.
# The title bar's buttons, on the bar's middle row unless another is given: the program button
# at the left, iconify, maximize/restore and close centred 66, 43 and 20 pixels from the right
# edge; the title bar's middle ("title"); the grips: the bottom right "corner" and the "right",
# "bottom" and "left" sides halfway along.
window_point() {
    local x y w h bar
    read -r x y w h <<<"$(geometry)"
    bar=$((y + $(scaled "${2:-$BAR_Y}")))
    case $1 in
    program) echo $((x + $(scaled 60))) "$bar" ;;
    iconify) echo $((x + w - $(scaled 66))) "$bar" ;;
    maximize) echo $((x + w - $(scaled 43))) "$bar" ;;
    close) echo $((x + w - $(scaled 20))) "$bar" ;;
    title) echo $((x + w / 2)) "$bar" ;;
    corner) echo $((x + w - $(scaled 4))) $((y + h - $(scaled 4))) ;;
    right) echo $((x + w - $(scaled 2))) $((y + h / 2)) ;;
    bottom) echo $((x + w / 2)) $((y + h - $(scaled 2))) ;;
    left) echo $((x + $(scaled 1))) $((y + h / 2)) ;;
    esac
}

# click <part> [row]: one click on a part of the window (window_point) where it is now.
click() {
    local x y
    read -r x y <<<"$(window_point "$@")"
    xdotool mousemove "$x" "$y" click 1
}

# drag_by <x> <y> <dx> <dy> [steps]: presses at a point of the screen, moves in steps (six unless
# given), releases. After the first step the pointer creeps on by a pixel at a time until the
# window follows: the window manager takes a drag over only at a motion after the program asked
# it to, and measures it from the press.
drag_by() {
    local x=$1 y=$2 dx=$3 dy=$4 steps=${5:-6} step before
    before=$(geometry)
    xdotool mousemove "$x" "$y" mousedown 1
    for ((step = 1; step <= steps; step++)); do
        xdotool mousemove $((x + dx * step / steps)) $((y + dy * step / steps))
        if ((step == 1)); then
            wait_for 5000 creep_until_changed "$before" $((dx > 0 ? 1 : dx < 0 ? -1 : 0)) \
                $((dy > 0 ? 1 : dy < 0 ? -1 : 0))
        fi
    done
    xdotool mouseup 1
}
creep_until_changed() {
    [ "$(geometry)" != "$1" ] || { xdotool mousemove_relative -- "$2" "$3" && false; }
}

# drag <part> <dx> <dy> [steps]: drags a part of the window (window_point), a grip or the title
# bar, from where it is now.
drag() {
    local x y
    read -r x y <<<"$(window_point "$1")"
    drag_by "$x" "$y" "${@:2}"
}

# Mean brightness (0 to 100) of a rectangle of a screenshot, in root coordinates.
brightness() {
    local shot=$1 x=$2 y=$3 w=$4 h=$5
    convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage -colorspace Gray -format '%[fx:int(100*mean)]' info:
}

# Text that OCR reads in a rectangle of a screenshot, in root coordinates.
read_text() {
    local shot=$1 x=$2 y=$3 w=$4 h=$5
    convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage -colorspace Gray -resize 400% \
        -threshold 50% "$WORK/ocr.png"
    tesseract "$WORK/ocr.png" stdout --psm 6 2>/dev/null
}

# Colour of one pixel of a screenshot as "r,g,b".
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# brighter_than <limit> <x> <y> <w> <h>: the rectangle's mean brightness on screen now.
brighter_than() {
    grab_now && (($(brightness "$WORK/now.png" "$2" "$3" "$4" "$5") > $1))
}
darker_than() {
    grab_now && (($(brightness "$WORK/now.png" "$2" "$3" "$4" "$5") < $1))
}

# The window's rim: black pixels at its four corners, the backdrop just outside.
rim_drawn() {
    grab_now || return 1
    local right=$((X + W - 1)) bottom=$((Y + H - 1)) point
    for point in "$X $Y" "$right $Y" "$X $bottom" "$right $bottom" "$((X + 1)) $((Y + H / 2))"; do
        # shellcheck disable=SC2086
        [ "$(pixel "$WORK/now.png" $point)" = "0,0,0" ] || return 1
    done
    [ "$(pixel "$WORK/now.png" $((right + 1)) $((bottom + 1)))" != "0,0,0" ]
}

menu_readable() {
    grab_now || return 1
    MENU_TEXT=$(read_text "$WORK/now.png" $((X + 2)) $((Y + 24)) 150 80)
    echo "$MENU_TEXT" | grep -qi 'about' && echo "$MENU_TEXT" | grep -qi 'exit'
}

window_state_is_iconic() { xprop -id "$WIN" WM_STATE | grep -q 'window state: Iconic'; }

# Waits for the program to end and checks that it ended by itself with status 0, in time.
expect_exit_within() {
    local limit=$1 start
    start=$(now_ms)
    wait_for "$limit" program_ended || fail "the program still runs ${limit} ms later"
    reap_program
    log "the program ended after $(($(now_ms) - start)) ms with status $STATUS"
    [ "$STATUS" -eq 0 ] || fail "exit status $STATUS, expected 0"
}

expect_quiet_stderr() {
    [ ! -s "$WORK/program.err" ] || fail "the program wrote to stderr"
}

# ---------------------------------------------------------------------------------------------

case_appearance() {
    [ "$W $H" = "900 644" ] || fail "size ${W}x$H, expected 900x644"
    # The centre of the work area as a QRect gives it, the window's centre placed on it.
    local cx=$(((AREA_X + AREA_X + AREA_W - 1) / 2)) cy=$(((AREA_Y + AREA_Y + AREA_H - 1) / 2))
    local ex=$((cx - (W - 1) / 2)) ey=$((cy - (H - 1) / 2))
    [ "$X $Y" = "$ex $ey" ] || fail "placed at $X,$Y, expected $ex,$ey (centred in the work area)"

    local name
    name=$(xprop -id "$WIN" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p')
    [ "$name" = "$TITLE" ] || fail "window title \"$name\""

    # Undecorated: the window asks for no decorations and the manager adds no frame.
    xprop -id "$WIN" _MOTIF_WM_HINTS | grep -Eq '= 0x[0-9a-f]+, 0x[0-9a-f]+, 0x0' \
        || fail "the window does not ask to be undecorated: $(xprop -id "$WIN" _MOTIF_WM_HINTS)"
    local extents
    extents=$(xprop -id "$WIN" _NET_FRAME_EXTENTS)
    echo "$extents" | grep -q '= 0, 0, 0, 0' || fail "the window manager framed it: $extents"

    wait_for 10000 rim_drawn || fail "no black rim around the window"
    wait_for 10000 menu_readable || fail "the panel does not show \"About\" and \"Exit\": $MENU_TEXT"
    log "menu reads: $(echo "$MENU_TEXT" | tr '\n' ' ')"
    screenshot window
    local title
    title=$(read_text "$SHOTS/$CASE-window.png" $((X + 26)) $((Y + 2)) 200 22)
    log "title bar reads: $(echo "$title" | tr '\n' ' ')"
    echo "$title" | grep -qi 'verrin' || fail "the title bar does not show the title"
    expect_quiet_stderr
}

case_drag() {
    local dx=137 dy=91
    drag title "$dx" "$dy" 10
    wait_for 10000 geometry_is $((X + dx)) $((Y + dy)) "$W" "$H" \
        || fail "after a drag by $dx,$dy the window is at $(geometry), expected $((X + dx)) $((Y + dy)) $W $H"
    screenshot dragged

    # A press and release on the title bar without a move leaves the window in place. There is
    # no event to wait for, so a maximize click after it serves as the marker that the click
    # has been handled; restoring then has to bring back the same place.
    click title
    click maximize
    wait_for 10000 fills_work_area || fail "maximize failed"
    click maximize
    wait_for 10000 geometry_is $((X + dx)) $((Y + dy)) "$W" "$H" \
        || fail "a click on the title bar moved the window to $(geometry)"
    expect_quiet_stderr
}

# openbox takes the drag over (_NET_WM_MOVERESIZE): the window follows the pointer's whole way
# from the press, into the margin along the top as well. (The box's own move, which ignores the
# pointer outside the work area, is left for window systems that do not move windows.)
case_drag_edge() {
    local sx sy
    read -r sx sy <<<"$(window_point title)"
    local inside=$((AREA_Y + 5)) outside=$((AREA_Y - 20))
    local ex=$((X - 150)) ey=$((Y + outside - sy))
    xdotool mousemove "$sx" "$sy" mousedown 1
    xdotool mousemove "$sx" $(((sy + inside) / 2))
    wait_for 5000 creep_until_changed "$X $Y $W $H" 0 -1
    xdotool mousemove "$sx" "$inside"
    xdotool mousemove $((sx - 100)) "$outside"
    xdotool mousemove $((sx - 150)) "$outside" mouseup 1
    wait_for 10000 geometry_is "$ex" "$ey" "$W" "$H" \
        || fail "after the drag the window is at $(geometry), expected $ex $ey $W $H"
    # Restoring brings the window back exactly where the drag left it, the top of its title bar
    # in the margin, as window managers restore windows.
    click maximize
    wait_for 10000 fills_work_area || fail "maximize failed"
    click maximize
    wait_for 10000 geometry_is "$ex" "$ey" "$W" "$H" \
        || fail "restoring left the window at $(geometry), expected $ex $ey $W $H"
    screenshot dragged
    expect_quiet_stderr
}

case_maximize() {
    click maximize
    wait_for 10000 fills_work_area \
        || fail "maximized to $(geometry), expected the work area $AREA_X $AREA_Y $AREA_W $AREA_H"
    screenshot maximized
    click maximize
    wait_for 10000 geometry_is "$X" "$Y" "$W" "$H" \
        || fail "restored to $(geometry), expected $X $Y $W $H"
    wait_for 10000 rim_drawn || fail "the restored window has no rim"
    screenshot restored
    expect_quiet_stderr
}

case_iconify() {
    click iconify
    wait_for 10000 window_state_is_iconic || fail "WM_STATE is not Iconic: $(xprop -id "$WIN" WM_STATE)"
    xprop -id "$WIN" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN \
        || fail "_NET_WM_STATE lacks _NET_WM_STATE_HIDDEN"
    screenshot iconified
    expect_quiet_stderr
}

case_resize() {
    local dx=120 dy=75
    drag corner "$dx" "$dy"
    wait_for 10000 geometry_is "$X" "$Y" $((W + dx)) $((H + dy)) \
        || fail "after dragging the corner by $dx,$dy the window is $(geometry), expected $X $Y $((W + dx)) $((H + dy))"
    W=$((W + dx)) H=$((H + dy))
    wait_for 10000 rim_drawn || fail "the resized window has no rim at its new corners"
    screenshot resized
    expect_quiet_stderr
}

# The handles along the sides: the right and the bottom one resize from their side alone, the
# left one moves the left edge and keeps the right one. Then a click on the close button's top
# row, which lies inside the strip of the top handle, still reaches the button.
case_resize_edge() {
    drag right 110 0
    wait_for 10000 geometry_is "$X" "$Y" $((W + 110)) "$H" \
        || fail "after dragging the right side by 110 the window is $(geometry), expected $X $Y $((W + 110)) $H"
    W=$((W + 110))
    drag bottom 0 70
    wait_for 10000 geometry_is "$X" "$Y" "$W" $((H + 70)) \
        || fail "after dragging the bottom side by 70 the window is $(geometry), expected $X $Y $W $((H + 70))"
    H=$((H + 70))
    drag left -40 0
    wait_for 10000 geometry_is $((X - 40)) "$Y" $((W + 40)) "$H" \
        || fail "after dragging the left side by -40 the window is $(geometry), expected $((X - 40)) $Y $((W + 40)) $H"
    X=$((X - 40)) W=$((W + 40))
    wait_for 10000 rim_drawn || fail "the resized window has no rim at its new corners"
    screenshot resized
    click close 2
    expect_exit_within 1000
    expect_quiet_stderr
}

# Monitors of their own for the lost_screen case: the left one holds the screen's output, the
# right one none, so that it can be taken away while the program runs.
before_lost_screen() {
    command -v xrandr >/dev/null || skip "xrandr is not installed"
    { xrandr --setmonitor left 1280/338x1024/270+0+0 screen >/dev/null \
        && xrandr --setmonitor right 1280/338x1024/270+1280+0 none >/dev/null; } \
        || fail "the X server took no monitors: $(xrandr --listmonitors 2>&1)"
}

# The window is dragged onto the right monitor and maximized there; the monitor goes away, and
# restoring brings the window back whole onto the left one, at its former size.
case_lost_screen() {
    local dx=1280
    drag title "$dx" 0
    wait_for 10000 geometry_is $((X + dx)) "$Y" "$W" "$H" \
        || fail "after a drag by $dx the window is at $(geometry), expected $((X + dx)) $Y $W $H"
    click maximize
    wait_for 10000 geometry_is 1280 0 1280 "$SCREEN_H" \
        || fail "maximized to $(geometry), expected the right monitor 1280 0 1280 $SCREEN_H"
    screenshot maximized

    xrandr --delmonitor right >/dev/null || fail "the right monitor could not be removed"
    log "monitors now: $(xrandr --listmonitors | tail -n +2 | tr '\n' ' ')"
    local mx my mw mh
    read -r mx my mw mh <<<"$(settled_geometry)"
    log "the maximized window is at $mx,$my size ${mw}x$mh"
    click maximize
    wait_for 10000 size_is "$W" "$H" || fail "restored to $(geometry), expected the size ${W}x$H"
    read -r X Y W H <<<"$(settled_geometry)"
    log "restored to $X,$Y size ${W}x$H"
    ((X >= 0 && Y >= 0 && X + W <= 1280 && Y + H <= SCREEN_H)) \
        || fail "restored to $X,$Y, not inside the left monitor"
    wait_for 10000 rim_drawn || fail "the restored window is not drawn"
    screenshot restored
    expect_quiet_stderr
}

case_about() {
    # A strip of the page area right of the 150-pixel menu list and its splitter handle.
    local area=("$((X + 175))" "$((Y + 40))" 100 250) item=("$((X + 100))" "$((Y + 28))" 50 30)
    wait_for 10000 menu_readable || fail "the panel does not show its entries"
    grab_now
    local closed
    closed=$(brightness "$WORK/now.png" "${area[@]}")
    cp "$WORK/now.png" "$SHOTS/$CASE-closed.png"

    click_at "$ABOUT_X" "$ABOUT_Y"
    wait_for 10000 brighter_than $((closed > 70 ? closed + 10 : 80)) "${area[@]}" \
        || fail "the About page did not appear (brightness $(brightness "$WORK/now.png" "${area[@]}"), closed $closed)"
    wait_for 10000 darker_than 20 "${item[@]}" || fail "the About entry is not drawn selected"
    screenshot open
    local open
    open=$(brightness "$SHOTS/$CASE-open.png" "${area[@]}")
    log "page area brightness: closed $closed, open $open"
    local text
    text=$(read_text "$SHOTS/$CASE-open.png" $((X + 168)) $((Y + 34)) 261 120)
    log "About page reads: $(echo "$text" | head -n2 | tr '\n' ' ')"
    echo "$text" | grep -qi 'years' || fail "the About page shows no profile"

    click_at "$ABOUT_X" "$ABOUT_Y"
    wait_for 10000 darker_than $((open - 10)) "${area[@]}" \
        || fail "the About page stayed after the second click"
    wait_for 10000 brighter_than 20 "${item[@]}" || fail "the About entry stayed selected"
    screenshot closed-again
    expect_quiet_stderr
}

case_close() {
    click close
    expect_exit_within 1000
    expect_quiet_stderr
}

case_exit() {
    click_at "$EXIT_X" "$EXIT_Y"
    expect_exit_within 1000
    expect_quiet_stderr
}

# The program holds the quit signals back from its first line on, so a signal during its start-up
# waits for the handler. Sent while the process shows SIGTERM blocked, before its handler is in
# place: a window of some 20 ms on a quiet machine, so /proc is read without forking.
signals_held() {
    local key value name="" held=""
    while read -r key value; do
        case $key in
        Name:) name=$value ;;
        SigBlk:) held=$value ;;
        esac
    done <"/proc/$PROGRAM_PID/status"
    [ "$name" = verrin ] && [ -n "$held" ] && (((16#$held >> 14) & 1))
}
case_early_signal() {
    own_runtime_dir
    launch_program QT_QPA_PLATFORM=xcb
    local deadline=$((SECONDS + 10))
    until signals_held 2>/dev/null; do
        ((SECONDS < deadline)) && program_running || fail "the program never held SIGTERM back"
    done
    kill -TERM "$PROGRAM_PID"
    expect_exit_within 10000
    expect_quiet_stderr
}

# Keyboard and screen-reader cases: the program runs with its own session bus, on which the
# accessibility bus is started.
before_accessibility() { start_accessibility_bus; }
before_keyboard() { start_accessibility_bus; }

case_accessibility() {
    # The system's python: one from pyenv on PATH has no pyatspi.
    /usr/bin/python3 "$HERE/verrin_accessibility.py" "$TITLE" || fail "see the check above"
    expect_quiet_stderr
}

# A German user's program: the title-bar buttons and the menu entries named in German, as a
# screen reader reads them, and no English name left.
before_german() {
    start_accessibility_bus
    PROGRAM_LOCALE=(LANGUAGE=de LANG=de_DE.UTF-8)
}

case_german() {
    local name
    for name in Menü Minimieren Maximieren Schließen Über Beenden; do
        wait_for 10000 /usr/bin/python3 "$HERE/verrin_accessibility.py" --button "$name" \
            || fail "no push button named \"$name\""
    done
    for name in Menu Minimize Maximize Close About Exit; do
        ! /usr/bin/python3 "$HERE/verrin_accessibility.py" --button "$name" \
            || fail "a push button is still named \"$name\""
    done
    screenshot german
    expect_quiet_stderr
}

# The top row of the iconify button, where its focus frame shows.
iconify_top() { echo $((X + W - 74)) $((Y + 2)) 21 1; }

case_keyboard() {
    local area=("$((X + 175))" "$((Y + 40))" 100 250)
    wait_for 10000 menu_readable || fail "the panel does not show its entries"
    # At start-up the program button has focus, with no focus frame drawn.
    # shellcheck disable=SC2046
    darker_than 70 $(iconify_top) || fail "a focus frame shows before any key was pressed"
    xdotool key Tab
    # shellcheck disable=SC2046
    wait_for 5000 brighter_than 85 $(iconify_top) || fail "Tab to the iconify button drew no focus frame"
    screenshot focus
    grab_now
    local closed
    closed=$(brightness "$WORK/now.png" "${area[@]}")
    # Maximize, close, then the first menu entry.
    xdotool key Tab Tab Tab Return
    wait_for 10000 brighter_than $((closed > 70 ? closed + 10 : 80)) "${area[@]}" \
        || fail "Return on About did not open the page"
    screenshot about
    xdotool key Escape
    wait_for 10000 darker_than $((closed + 5)) "${area[@]}" || fail "Escape did not close the page"
    xdotool key ctrl+q
    expect_exit_within 1000
    expect_quiet_stderr
}

# ---------------------------------------------------------------------------------------------
# Scaling, screen changes and the window manager's own commands.

# Along the right edge of the scene, where a vertical scroll bar would lie, the sidewalk shows
# bright and the road dark; along the bottom edge, grass between two towers green and the road
# not.
no_scroll_bars() {
    grab_now || return 1
    local inner=$(($(scaled 2) + $(scaled 6)))
    local right=$((X + W - inner)) bottom=$((Y + H - inner))
    (($(brightness "$WORK/now.png" "$right" $((Y + $(scaled 224))) 1 1) > 60)) || return 1
    (($(brightness "$WORK/now.png" "$right" $((Y + $(scaled 290))) 1 1) < 40)) || return 1
    is_green "$(pixel "$WORK/now.png" $((X + $(scaled 162))) "$bottom")" || return 1
    ! is_green "$(pixel "$WORK/now.png" $((X + $(scaled 420))) "$bottom")"
}
is_green() {
    local r g b
    IFS=, read -r r g b <<<"$1"
    ((g > r + 15 && g > b + 15))
}

check_scaled_window() {
    local ew eh
    ew=$(scaled 900) eh=$(scaled 644)
    log "size ${W}x$H at scale $SCALE"
    # The panel lies over the scene; closed, the scene shows.
    click program
    wait_for 10000 no_scroll_bars || fail "scroll bars over the scene, or no scene"
    [ "$W $H" = "$ew $eh" ] || fail "size ${W}x$H at scale $SCALE, expected ${ew}x$eh"
    wait_for 10000 rim_whole "$(scaled 2)" || fail "the rim is not whole at scale $SCALE"
    screenshot window
    click maximize
    wait_for 10000 fills_work_area \
        || fail "maximized to $(geometry), expected the work area $AREA_X $AREA_Y $AREA_W $AREA_H"
    read -r X Y W H <<<"$(geometry)"
    wait_for 10000 rim_whole "$(scaled 2)" || fail "the maximized window's rim is not whole at scale $SCALE"
    screenshot maximized
    expect_quiet_stderr
}

case_scale_150() { check_scaled_window; }
case_scale_175() { check_scaled_window; }
case_scale_200() { check_scaled_window; }

# Screen modes smaller than Xvfb's own; the screen_ cases switch between them with xrandr.
before_screen_maximized() {
    command -v xrandr >/dev/null || skip "xrandr is not installed"
    { xrandr --newmode 1024x768 63.50 1024 1072 1176 1328 768 771 775 798 -hsync +vsync \
        && xrandr --addmode screen 1024x768; } || fail "the X server took no new mode"
}
before_screen_normal() { before_screen_maximized; }

set_screen_mode() {
    xrandr --output screen --mode "$1" || fail "the screen did not switch to $1"
    log "screen now $1, work area $(xprop -root _NET_WORKAREA | cut -d' ' -f3-6)"
}

# The maximized window follows its work area as the screen shrinks and grows again.
case_screen_maximized() {
    click maximize
    wait_for 10000 fills_work_area || fail "maximize failed"
    set_screen_mode 1024x768
    wait_for 10000 geometry_is "$AREA_X" "$AREA_Y" $((1024 - AREA_X)) $((768 - AREA_Y)) \
        || fail "on the smaller screen the maximized window is $(geometry)"
    screenshot small
    set_screen_mode 1600x1200
    wait_for 10000 fills_work_area \
        || fail "on the larger screen again the maximized window is $(geometry)"
    click maximize
    wait_for 10000 geometry_is "$X" "$Y" "$W" "$H" || fail "restored to $(geometry)"
    expect_quiet_stderr
}

# A normal window that the shrinking screen leaves partly outside comes back with its whole
# title bar on the screen, at its size, and stays there when the screen grows again.
# A screen that shrinks under the window but leaves most of its title bar on it leaves the window
# where it is.
case_screen_normal() {
    set_screen_mode 1024x768
    local ex=$X ey=$Y
    wait_for 10000 geometry_is "$ex" "$ey" "$W" "$H" \
        || fail "on the smaller screen the window is $(geometry), expected $ex $ey $W $H"
    screenshot small
    set_screen_mode 1600x1200
    read -r X Y W H <<<"$(settled_geometry)"
    [ "$X $Y" = "$ex $ey" ] || fail "the larger screen moved the window to $X,$Y"
    wait_for 10000 rim_drawn || fail "the window is not drawn"
    expect_quiet_stderr
}

# The window manager maximizes the window itself; one click on the button restores it, and
# its close request ends the program.
case_wm_maximize() {
    command -v wmctrl >/dev/null || skip "wmctrl is not installed"
    wmctrl -i -r "$WIN" -b add,maximized_vert,maximized_horz
    wait_for 10000 fills_work_area \
        || fail "the window manager's maximize gave $(geometry)"
    screenshot maximized
    click maximize
    wait_for 10000 geometry_is "$X" "$Y" "$W" "$H" \
        || fail "one click after the window manager's maximize gave $(geometry), expected $X $Y $W $H"
    xprop -id "$WIN" _NET_WM_STATE | grep -q MAXIMIZED && fail "still maximized for the manager"
    # The manager's close request ends the program.
    wmctrl -i -c "$WIN"
    expect_exit_within 2000
    expect_quiet_stderr
}

# Shrunk from its corner as far as it goes, the window still shows its whole title and buttons.
case_shrink() {
    drag corner -"$W" -"$H"
    read -r X Y W H <<<"$(settled_geometry)"
    log "smallest size ${W}x$H"
    ((W < 900 && H < 644)) || fail "the window did not shrink: ${W}x$H"
    screenshot smallest
    local title
    title=$(read_text "$SHOTS/$CASE-smallest.png" $((X + 26)) $((Y + 2)) $((W - 26 - 91)) 22)
    log "title bar reads: $(echo "$title" | tr '\n' ' ')"
    echo "$title" | grep -qi 'oren vale' || fail "the title is cut off: $title"
    click iconify
    wait_for 10000 window_state_is_iconic || fail "the iconify button is not where it belongs"
    expect_quiet_stderr
}

# The artwork at 200 %: the close glyph and a piece of a tower are not the 100 % pictures with
# their pixels doubled; the tower shows its picture's "@2x" partner pixel for pixel, in its place.
crop() { convert "$1" -crop "$4x$5+$2+$3" +repage "$6"; }
differing_pixels() { compare -metric AE "$1" "$2" null: 2>&1; }

case_crisp_artwork() {
    wait_for 10000 rim_drawn || fail "no window drawn at 100 %"
    # Window (600, 450) is scene (598, 448), inside the lower right pair's first tower.
    crop "$WORK/now.png" $((X + W - 31)) $((Y + 2)) 23 22 "$WORK/glyph100.png"
    crop "$WORK/now.png" $((X + 600)) $((Y + 450)) 100 100 "$WORK/tower100.png"
    cp "$WORK/now.png" "$SHOTS/$CASE-100.png"

    kill "$PROGRAM_PID" && wait "$PROGRAM_PID"
    rm -rf "$XDG_RUNTIME_DIR"
    QT_SCALE_FACTOR=2 start_program
    [ "$W $H" = "1800 1288" ] || fail "the window is ${W}x$H at 200 %, expected 1800x1288"
    wait_for 10000 rim_drawn || fail "no window drawn at 200 %"
    crop "$WORK/now.png" $((X + W - 62)) $((Y + 4)) 46 44 "$WORK/glyph200.png"
    crop "$WORK/now.png" $((X + 1200)) $((Y + 900)) 200 200 "$WORK/tower200.png"
    cp "$WORK/now.png" "$SHOTS/$CASE-200.png"

    local size
    for size in 100 200; do
        convert "$WORK/glyph$size.png" -colorspace Gray -threshold 70% "$WORK/mask$size.png"
    done
    convert "$WORK/mask100.png" -sample 200% "$WORK/mask100x2.png"
    convert "$WORK/tower100.png" -sample 200% "$WORK/tower100x2.png"
    crop "$HERE/../../app/resources/tower@2x.png" 44 94 200 200 "$WORK/partner.png"
    convert "$WORK/partner.png" -alpha off "$WORK/partner.png"
    local glyph_changed tower_changed off_partner
    glyph_changed=$(differing_pixels "$WORK/mask200.png" "$WORK/mask100x2.png")
    tower_changed=$(differing_pixels "$WORK/tower200.png" "$WORK/tower100x2.png")
    off_partner=$(differing_pixels "$WORK/tower200.png" "$WORK/partner.png")
    log "against the 100 % pixels doubled: glyph $glyph_changed of 2024, tower $tower_changed of 40000 pixels differ; against the partner: $off_partner"
    ((glyph_changed > 0)) || fail "the close glyph at 200 % is the 100 % glyph with its pixels doubled"
    ((tower_changed > 4000)) || fail "the tower at 200 % is the 100 % tower with its pixels doubled"
    ((off_partner == 0)) || fail "the tower at 200 % is not its partner picture, pixel for pixel"
    expect_quiet_stderr
}

# ---------------------------------------------------------------------------------------------

declare -F "case_$CASE" >/dev/null || {
    echo "unknown case $CASE" >&2
    exit 2
}
[ -x "$PROGRAM" ] || fail "no program at $PROGRAM"
mkdir -p "$SHOTS"
rm -f "$SHOTS/$CASE"-*.png
start_display "${SCREEN_W}x${SCREEN_H}"
if declare -F "before_$CASE" >/dev/null; then
    "before_$CASE"
fi
start_openbox
paint_backdrop
# The early signal case starts the program itself.
[ "$CASE" = early_signal ] || start_program
"case_$CASE"
log "passed"
