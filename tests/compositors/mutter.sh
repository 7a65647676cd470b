# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT
# shellcheck shell=bash disable=SC2034 # sets what compositor_e2e.sh reads

# mutter: a Wayland compositor nested in an Xvfb window, without Xwayland, driven by xdotool on
# that window. mutter tells what it does on stderr with MUTTER_DEBUG: the window's frame
# rectangle after each placement it constrains (geometry topic) and each maximize, unmaximize,
# full screen and its end (window-ops topic); the window's size is the one the client drew. Without a shell there is no panel: the work area is the output.
# Its keybindings come from a settings file of its own (GSettings' keyfile backend): Super+Up
# maximizes, Super+F toggles full screen, Alt+F4 closes.

# Without GNOME Shell mutter shows no window menu (its own plugin ignores the client's request,
# and logs nothing of it): the menu case skips.
mutter_has_case() { [[ $1 =~ ^(maximize|wm_maximize|fullscreen|close)$ ]]; }

mutter_start() {
    need mutter
    OUT_W=1280 OUT_H=1024
    AREA_X=0 AREA_Y=0 AREA_W=$OUT_W AREA_H=$OUT_H
    start_display "$((OUT_W + 16))x$((OUT_H + 16))" xdotool
    start_session_bus
    mkdir -p "$WORK/config/glib-2.0/settings"
    cat >"$WORK/config/glib-2.0/settings/keyfile" <<'EOF'
[org/gnome/desktop/wm/keybindings]
toggle-fullscreen=['<Super>f']
maximize=['<Super>Up']
unmaximize=['<Super>Down']
close=['<Alt>F4']
EOF
    XDG_CONFIG_HOME="$WORK/config" GSETTINGS_BACKEND=keyfile MUTTER_DEBUG=geometry,window-ops,placement \
        MUTTER_DEBUG_DUMMY_MODE_SPECS="${OUT_W}x$OUT_H" \
        mutter --nested --wayland --no-x11 --wayland-display="$SOCKET" \
        >"$WORK/compositor.log" 2>&1 &
    COMPOSITOR_PID=$!
    wait_for_socket
    # The pointer out of mutter's window while the program's maps (see pointer_enter).
    pointer_out
}

mutter_read() {
    local rect ops size
    # The window's place: mutter logs the rectangle of each placement it constrains (those
    # before it places a new window lie at the origin), but not the place an unmaximize or the
    # end of full screen restores; then the place before that maximize or full screen (the one
    # mutter restores) is taken.
    rect=$(grep -o 'PLACEMENT: Placing window\|WINDOW_OPS: [A-Za-z]*\|is -*[0-9]*,-*[0-9]* +[0-9]*,[0-9]* after constrain_partially_onscreen' \
        "$WORK/compositor.log" | awk '
        /Placing window/ { placed = 1 }
        /after/ && placed { gsub(/[^-0-9]+/, " "); last = $0 }
        /WINDOW_OPS: (Maximizing|Fullscreening)/ { if (!depth++) before = last }
        /WINDOW_OPS: (Unmaximizing|Unfullscreening)/ { if (depth && !--depth) last = before }
        END { print last }')
    size=$(last_window_geometry)
    [ -n "$rect" ] && [ -n "$size" ] || return 1
    read -r WX WY _ _ <<<"$rect"
    # Its size: what the client last drew.
    read -r WW WH <<<"$size"
    # The last of each pair of window operations says the state.
    ops=$(grep -o 'WINDOW_OPS: [A-Za-z]*' "$WORK/compositor.log" | cut -d' ' -f2)
    [ "$(grep -E '^(Unm|M)aximizing' <<<"$ops" | tail -n1)" = Maximizing ] && MAXED=1
    [ "$(grep -E '^(Unf|F)ullscreening' <<<"$ops" | tail -n1)" = Fullscreening ] && FULL=1
    return 0
}

mutter_click() { enter_click "$@"; }
# Keys go where the pointer is (Xvfb has no window manager to focus windows): over the window.
mutter_key() {
    read_window
    pointer_enter $((WX + WW / 2)) $((WY + WH / 2))
    xdotool key "$1"
}
mutter_wm_maximize() { mutter_key super+Up; }
mutter_wm_fullscreen() { mutter_key super+f; }
mutter_wm_close() { mutter_key alt+F4; }
