# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT
# shellcheck shell=bash disable=SC2034 # sets what compositor_e2e.sh reads

# Weston with its desktop shell: its X11 backend in an Xvfb window at the screen's top left,
# driven by xdotool on that window. The shell's panel at the top leaves a work area smaller than
# the output; its height is read from a screenshot (the panel drawn opaque in one colour).
# Weston tells nothing of its windows: their state and size come from the client's protocol trace
# (the last configure, the last window geometry drawn), their place from the pointer: entering
# the window at a known point, the client is told where in the window that is (pointer_enter:
# the X11 backend moves its pointer by the X pointer's relative motion and takes its absolute
# place only when the X pointer enters its window). Super+Shift+M toggles maximize, Super+Shift+F
# full screen.

weston_has_case() { [[ $1 =~ ^(maximize|wm_maximize|fullscreen)$ ]]; }

# The colour the panel is painted in, and the same as ImageMagick writes it.
readonly WESTON_PANEL_COLOR=404850 WESTON_PANEL_SRGB="srgb(64,72,80)"

weston_start() {
    need weston import convert
    OUT_W=1280 OUT_H=1024
    start_display "$((OUT_W + 16))x$((OUT_H + 16))" xdotool
    cat >"$WORK/weston.ini" <<EOF
[core]
shell=desktop-shell.so
idle-time=0

[shell]
panel-position=top
panel-color=0xff$WESTON_PANEL_COLOR
# No picture (this file does not exist): the plain colour.
background-color=0xff102030
background-image=$WORK/none.png
clock-format=none
animation=none
close-animation=none
startup-animation=none
focus-animation=none
locking=false

# No on-screen keyboard.
[input-method]
path=
EOF
    weston --backend=x11-backend.so --use-pixman --width="$OUT_W" --height="$OUT_H" \
        --socket="$SOCKET" --config="$WORK/weston.ini" >"$WORK/compositor.log" 2>&1 &
    COMPOSITOR_PID=$!
    wait_for_socket
    # No pointer on the output while the window maps: Weston would tell it where.
    pointer_out
    AREA_X=0 AREA_W=$OUT_W
    wait_for 10000 weston_panel_drawn ||
        skip "Weston's desktop shell drew no panel:"$'\n'"$(tail -n 15 "$WORK/compositor.log")"
    AREA_Y=$WESTON_PANEL_H AREA_H=$((OUT_H - WESTON_PANEL_H))
}

# The panel's height: the rows of its colour from the top, down the output's middle column.
WESTON_PANEL_H=0
weston_panel_drawn() {
    WESTON_PANEL_H=$(import -window root -crop "1x$((OUT_H / 4))+$((OUT_W / 2))+0" +repage txt:- \
        2>/dev/null | awk -v color="$WESTON_PANEL_SRGB" '
        NR > 1 { if ($NF == color && !done) rows++; else done = 1 }
        END { print rows + 0 }')
    ((WESTON_PANEL_H > 0 && WESTON_PANEL_H < OUT_H / 4))
}

weston_read() {
    local configure size width height bytes states
    configure=$(last_configure)
    size=$(last_window_geometry)
    [ -n "$configure" ] && [ -n "$size" ] || return 1
    read -r width height bytes <<<"$configure"
    read -r WW WH <<<"$size"
    # The states besides "activated" (which comes with the keyboard focus): maximized or full
    # screen, told apart by the size asked for.
    states=$((bytes / 4))
    [ "$(grep -o 'wl_keyboard@[0-9]*\.\(enter\|leave\)' "$WORK/program.err" | tail -n1 |
        cut -d. -f2)" = enter ] && states=$((states - 1))
    if ((states > 0)); then
        if [ "$width $height" = "$OUT_W $OUT_H" ]; then FULL=1; else MAXED=1; fi
    fi
    # The place: the output's middle lies in the window however Weston placed it.
    pointer_enter $((OUT_W / 2)) $((OUT_H / 2))
    [ -n "$ENTERED" ] || return 1
    read -r WX WY <<<"$ENTERED"
    WX=$((OUT_W / 2 - WX)) WY=$((OUT_H / 2 - WY))
}

weston_click() { enter_click "$@"; }

# Keys go to the X window under the pointer (Xvfb has no window manager to focus windows).
weston_key() {
    pointer_enter $((OUT_W / 2)) $((OUT_H / 2))
    xdotool key "$1"
}
weston_wm_maximize() { weston_key super+shift+m; }
weston_wm_fullscreen() { weston_key super+shift+f; }
