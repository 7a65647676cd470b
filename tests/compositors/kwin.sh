# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT
# shellcheck shell=bash disable=SC2034 # sets what compositor_e2e.sh reads

# KWin: a Wayland compositor nested in an Xvfb window, driven by xdotool on that window. A script
# loaded through KWin's D-Bus scripting interface prints the window's frame geometry, maximize
# mode, full-screen and minimized states and the work area on every change; the lines, prefixed
# "js: ", come out on KWin's stderr.

kwin_has_case() { [[ $1 =~ ^(maximize|wm_maximize|fullscreen|iconify|menu)$ ]]; }

# Runs a KWin script file: loads it under a name of its own and starts it.
KWIN_SCRIPTS=0
kwin_script() {
    KWIN_SCRIPTS=$((KWIN_SCRIPTS + 1))
    local name="verrin$KWIN_SCRIPTS"
    cp "$1" "$WORK/$name.js"
    dbus-send --session --print-reply --dest=org.kde.KWin /Scripting \
        org.kde.kwin.Scripting.loadScript string:"$WORK/$name.js" string:"$name" >/dev/null &&
        dbus-send --session --print-reply --dest=org.kde.KWin /Scripting \
            org.kde.kwin.Scripting.start >/dev/null
}

kwin_scripting_ready() {
    dbus-send --session --print-reply --dest=org.kde.KWin /Scripting \
        org.freedesktop.DBus.Introspectable.Introspect | grep -q loadScript
}

kwin_start() {
    need kwin_wayland dbus-send
    OUT_W=1280 OUT_H=1024
    start_display "${OUT_W}x$OUT_H" xdotool
    start_session_bus
    # kwin_wayland carries a file capability (cap_sys_resource) that containers may refuse to
    # execute; a plain copy has none.
    cp "$(command -v kwin_wayland)" "$WORK/kwin_wayland"
    # Untranslated: the window menu's entries are chosen by their English accelerators.
    LANGUAGE=C QT_LOGGING_RULES="kwin_scripting=true" KWIN_COMPOSE=Q \
        "$WORK/kwin_wayland" --x11-display "$DISPLAY" --socket "$SOCKET" --width "$OUT_W" \
        --height "$OUT_H" --no-lockscreen --no-global-shortcuts --no-kactivities \
        >"$WORK/compositor.log" 2>&1 &
    COMPOSITOR_PID=$!
    wait_for_socket
    wait_for 10000 kwin_scripting_ready || fail "KWin's scripting is not on D-Bus"
    cat >"$WORK/watch.js" <<EOF
var maximized = {};
function report(c) {
    var g = c.frameGeometry, a = workspace.clientArea(KWin.MaximizeArea, c);
    print("VERRIN " + g.x + " " + g.y + " " + g.width + " " + g.height + " "
          + (maximized[c.internalId] ? 1 : 0) + " " + (c.fullScreen ? 1 : 0) + " "
          + (c.minimized ? 1 : 0) + " " + a.x + " " + a.y + " " + a.width + " " + a.height);
}
function watch(c) {
    if (c.caption !== "$TITLE")
        return;
    c.frameGeometryChanged.connect(function() { report(c); });
    c.fullScreenChanged.connect(function() { report(c); });
    c.minimizedChanged.connect(function() { report(c); });
    report(c);
}
var cs = workspace.clientList();
for (var i = 0; i < cs.length; i++)
    watch(cs[i]);
workspace.clientAdded.connect(watch);
workspace.clientMaximizeSet.connect(function(c, horizontally, vertically) {
    maximized[c.internalId] = horizontally && vertically;
    if (c.caption === "$TITLE")
        report(c);
});
EOF
    kwin_script "$WORK/watch.js" || fail "KWin did not run its watching script"
    kwin_panel
}

# A panel at the top (waybar, a layer-shell client) that reserves its height: the work area is
# smaller than the output. It is read from KWin; the window's reports bring it along later.
kwin_panel() {
    AREA_X=0 AREA_Y=0 AREA_W=$OUT_W AREA_H=$OUT_H
    command -v waybar >/dev/null || {
        log "no panel: waybar is not installed, the work area is the whole output"
        return 0
    }
    cat >"$WORK/waybar.json" <<'EOF'
{ "layer": "top", "position": "top", "height": 30, "exclusive": true,
  "modules-left": [], "modules-center": [], "modules-right": [] }
EOF
    : >"$WORK/waybar.css"
    WAYLAND_DISPLAY="$XDG_RUNTIME_DIR/$SOCKET" XDG_CONFIG_HOME="$WORK/config" \
        waybar --config "$WORK/waybar.json" --style "$WORK/waybar.css" >"$WORK/waybar.log" 2>&1 &
    PANEL_PID=$!
    cat >"$WORK/area.js" <<'EOF'
var a = workspace.clientArea(KWin.MaximizeArea, workspace.activeScreen, workspace.currentDesktop);
print("VERRIN_AREA " + a.x + " " + a.y + " " + a.width + " " + a.height);
EOF
    wait_for 10000 kwin_area_reserved ||
        fail "waybar's panel reserved no room:"$'\n'"$(tail -n 5 "$WORK/waybar.log")"
}
kwin_area_reserved() {
    kwin_script "$WORK/area.js" || return 1
    wait_for 1000 grep -q 'js: VERRIN_AREA' "$WORK/compositor.log"
    local area
    area=$(grep -o 'js: VERRIN_AREA .*' "$WORK/compositor.log" | tail -n1)
    read -r _ _ AREA_X AREA_Y AREA_W AREA_H <<<"$area"
    ((AREA_H > 0 && AREA_H < OUT_H))
}

kwin_read() {
    local line
    line=$(grep -o 'js: VERRIN .*' "$WORK/compositor.log" | tail -n1)
    [ -n "$line" ] || return 1
    # shellcheck disable=SC2086 # eleven numbers
    set -- ${line#js: VERRIN }
    WX=$1 WY=$2 WW=$3 WH=$4 MAXED=$5 FULL=$6 MINI=$7
    AREA_X=$8 AREA_Y=$9 AREA_W=${10} AREA_H=${11}
}

kwin_click() { xdotool_click "$@"; }

kwin_window_script() { # <statement on the window c>
    cat >"$WORK/action.js" <<EOF
var cs = workspace.clientList();
for (var i = 0; i < cs.length; i++) {
    var c = cs[i];
    if (c.caption === "$TITLE") { $1; }
}
EOF
    kwin_script "$WORK/action.js" || fail "KWin did not run the script: $1"
}
kwin_wm_maximize() { kwin_window_script "c.setMaximize(true, true)"; }
kwin_wm_fullscreen() { kwin_window_script "c.fullScreen = true"; }
# KWin's window menu has the keyboard: its entry "Ma&ximize".
kwin_menu_maximize() { xdotool key x; }
