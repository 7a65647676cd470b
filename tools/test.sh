#!/usr/bin/env bash
# Builds everything and runs the whole test suite, the real-display tests included.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages
ensure_runtime_dir
build
cd "$ROOT"
ctest --preset "$PRESET" "$@"
