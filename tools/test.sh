#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT

# Builds everything and runs the whole test suite, the real-display tests included.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages
ensure_runtime_dir
build
ctest --preset "$PRESET" "$@"
