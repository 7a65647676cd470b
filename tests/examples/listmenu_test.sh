#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT

# Starts the list-menu example with the page of its "Colours" entry open: the page's swatches
# are in the window's picture, the program ends with status 0 and Qt says nothing on stderr.
# Usage: listmenu_test.sh <example program> <work folder>
set -euo pipefail
program=$1
work=$2
command -v convert >/dev/null || { echo "ImageMagick is missing: skipped"; exit 77; }
rm -rf "$work"
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime"

"$program" --page Colours --screenshot "$work/colours.png" 2>"$work/stderr"
if [ -s "$work/stderr" ]; then
    cat "$work/stderr" >&2
    exit 1
fi
# Pixels of the green swatch, 100 by 60 less its label; the entry's icon alone has 256.
green=$(convert "$work/colours.png" -alpha off -fill black +opaque '#5a9e4b' \
    -fill white -opaque '#5a9e4b' -format '%[fx:round(mean*w*h)]' info:)
echo "green swatch pixels: $green"
((green > 4000))
