#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT

# Builds the Debian packages with dpkg-buildpackage from a copy of the source tree, so that its
# artefacts, which it writes beside the tree it builds, land in the output folder.
# Usage: tools/package.sh [output folder, by default build/default/debian]
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$(realpath -m "${1:-$ROOT/build/default/debian}")
copy="$out/source"

rm -rf "$copy"
rm -f "$out"/*.deb "$out"/*.changes "$out"/*.buildinfo
mkdir -p "$copy"
tar -C "$ROOT" --exclude=./build --exclude=./.git --exclude=./screenshots --exclude='./obj-*' \
    -cf - . | tar -C "$copy" -xf -

# The copy sits in the same place every time, so a compiler cache finds its earlier work.
if command -v ccache >/dev/null && [ -z "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ]; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR="$copy"
    # debhelper points HOME elsewhere during the build, so the cache is named outright.
    CCACHE_DIR=${CCACHE_DIR:-$(ccache --get-config cache_dir)}
    export CCACHE_DIR
fi

(cd "$copy" && dpkg-buildpackage -us -uc -b -J"$(nproc)")
ls "$out"/*.deb
