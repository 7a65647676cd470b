# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT
# shellcheck shell=bash

# Sourced by the scripts driven from the shell (through tools/display.sh too): waiting on a
# condition with a bound, never a fixed sleep.

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# wait_for <milliseconds> <command...>: polls the command until it succeeds or time runs out.
wait_for() {
    local limit=$1
    shift
    local deadline=$(($(now_ms) + limit))
    until "$@" >/dev/null 2>&1; do
        (($(now_ms) > deadline)) && return 1
        sleep 0.05
    done
}
