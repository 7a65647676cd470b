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
if ! start_virtual_display; then
    echo "Xvfb did not start:" >&2
    cat "$VIRTUAL_DISPLAY_DIR/xvfb.log" >&2
    exit 1
fi
start_window_manager || echo "openbox did not start; the window shows unmanaged." >&2
"$program" "$@" &
pid=$!
window_or_end() { xdotool search --onlyvisible --name "Verrin" || ! kill -0 "$pid" 2>/dev/null; }
wait_for 10000 window_or_end || true
if ! kill -0 "$pid" 2>/dev/null; then
    # Ended before showing a window: there is nothing to take a picture of, only its status.
    status=0
    wait "$pid" || status=$?
    ((status == 0)) || echo "The program ended with status $status before showing its window." >&2
    exit "$status"
fi
# A few seconds of traffic, so the screenshot shows the city block alive.
sleep 3
mkdir -p "$ROOT/screenshots"
shot="$ROOT/screenshots/verrin-$(date +%Y%m%d-%H%M%S).png"
scrot "$shot"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
echo "Screenshot: $shot"
