# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT
# shellcheck shell=bash disable=SC2034 # sets what compositor_e2e.sh reads

# sway: its X11 backend in an Xvfb window (headless it has no pointer to click with), driven by
# xdotool on that window, the window floating, a bar at the top. The window's rectangle and
# full-screen mode come from swaymsg's tree. sway has no maximize for floating windows (it
# ignores xdg_toplevel.set_maximized), so only full screen and its end through the box's button
# are tested.

sway_has_case() { [ "$1" = fullscreen ]; }

sway_msg() { SWAYSOCK="$XDG_RUNTIME_DIR/sway.sock" swaymsg "$@"; }

sway_start() {
    need sway swaymsg jq
    OUT_W=1280 OUT_H=1024
    start_display "${OUT_W}x$OUT_H" xdotool
    cat >"$WORK/sway.conf" <<EOF
output X11-1 resolution ${OUT_W}x$OUT_H position 0 0
xwayland disable
default_border none
default_floating_border none
focus_follows_mouse no
for_window [title="^$TITLE\$"] floating enable
bar {
    position top
    status_command true
}
EOF
    # sway refuses to run as root: there it runs as nobody, in folders of its own.
    local as=()
    if ((EUID == 0)); then
        need setpriv
        as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
        chmod 755 "$WORK"
        chown nobody "$XDG_RUNTIME_DIR"
        touch "$WORK/compositor.log" && chown nobody "$WORK/compositor.log"
    fi
    WLR_BACKENDS=x11 WLR_X11_OUTPUTS=1 WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 WAYLAND_DISPLAY="" HOME="$WORK" \
        SWAYSOCK="$XDG_RUNTIME_DIR/sway.sock" "${as[@]}" sway -c "$WORK/sway.conf" \
        >>"$WORK/compositor.log" 2>&1 &
    COMPOSITOR_PID=$!
    wait_for_socket "$XDG_RUNTIME_DIR/sway.sock"
    wait_for 10000 sway_msg -t get_version || compositor_failed
    # sway names its Wayland socket itself; the first free wayland-N.
    local found
    found=$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -type s -name 'wayland-*' | head -n1)
    [ -n "$found" ] || fail "sway opened no Wayland socket"
    [ "$(basename "$found")" = "$SOCKET" ] || ln -s "$found" "$XDG_RUNTIME_DIR/$SOCKET"
    AREA_X=0 AREA_Y=0 AREA_W=$OUT_W AREA_H=$OUT_H
}

sway_read() {
    local rect
    rect=$(sway_msg -t get_tree | jq -r --arg title "$TITLE" '.. | objects |
        select(.name? == $title) |
        "\(.rect.x) \(.rect.y) \(.rect.width) \(.rect.height) \(.fullscreen_mode)"' | head -n1)
    [ -n "$rect" ] || return 1
    read -r WX WY WW WH FULL <<<"$rect"
    ((FULL > 0)) && FULL=1
    return 0
}

sway_click() { xdotool_click "$@"; }

sway_wm_fullscreen() { sway_msg "[title=\"^$TITLE\$\"] fullscreen enable" >/dev/null; }
