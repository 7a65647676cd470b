#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT

# Builds the program and starts it; without a display, runs it on Xvfb and saves a screenshot.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${RUN_PACKAGES[@]}"
ensure_runtime_dir
build >/dev/null
program="$ROOT/build/$PRESET/app/verrin"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec "$program" "$@"
fi

echo "No display available: running on a virtual display (Xvfb) and saving a screenshot."
trap stop_virtual_display EXIT
start_virtual_display
openbox >/dev/null 2>&1 &
# A window mapped before the window manager is up is never managed, so wait for it first.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
"$program" "$@" &
pid=$!
for _ in $(seq 100); do
    xdotool search --onlyvisible --name "Verrin" >/dev/null 2>&1 && break
    sleep 0.1
done
# A few seconds of traffic, so the screenshot shows the city block alive.
sleep 3
mkdir -p "$ROOT/screenshots"
shot="$ROOT/screenshots/verrin-$(date +%Y%m%d-%H%M%S).png"
scrot "$shot"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
echo "Screenshot: $shot"
