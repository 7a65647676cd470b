#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT
#
# The library's ABI against the description of it kept for its SONAME (<folder>/<SONAME>.abi,
# written by abidw): a function, variable or type that is gone or has changed fails, an addition
# passes. A SONAME with no description of its own is a new ABI, which may break the old one: the
# check passes it over and asks for its description.
# Usage: abi_check.sh check|update <library> <folder> <build type> <compiler flags>
#   update writes the description of the library as built instead of checking it.
# Exit status 77: not checked here (the message says why).
set -euo pipefail

mode=$1 library=$2 folder=$3 buildType=$4 flags=$5
suppressions="$folder/pzTools.abignore"

skip() {
    echo "ABI check skipped: $*"
    exit 77
}

command -v abidiff >/dev/null && command -v abidw >/dev/null \
    || skip "abidiff and abidw are missing (Debian package abigail-tools)"
# The sanitizers pad every global variable, the metaobjects included, and add symbols of their
# own: such a library differs from the released one by design.
[[ "$flags" != *-fsanitize* ]] || skip "a build with sanitizers has an ABI of its own"
# Types and their layouts come from the debug information; without it abidiff would see symbol
# names only, which the package's symbols file checks already.
readelf -S --wide "$library" | grep -q '\.debug_info' \
    || skip "the library has no debug information (build type ${buildType:-none})"

soname=$(objdump -p "$library" | awk '$1 == "SONAME" { print $2 }')
[ -n "$soname" ] || { echo "no SONAME in $library" >&2; exit 1; }
baseline="$folder/$soname.abi"

if [ "$mode" = update ]; then
    # Paths of the build machine stay out: locations keep file names only.
    abidw --no-corpus-path --no-comp-dir-path --short-locs "$library" >"$baseline"
    echo "wrote $baseline"
    exit 0
fi

if [ ! -f "$baseline" ]; then
    recorded=$(cd "$folder" && ls -- *.abi 2>/dev/null || true)
    [ -n "$recorded" ] || { echo "no ABI description in $folder" >&2; exit 1; }
    skip "the SONAME is now $soname (recorded: ${recorded//$'\n'/ }); a new SONAME may break" \
        "the ABI. Record its description (cmake --build <build> --target abi_baseline) and" \
        "remove the old one."
fi

report=$(mktemp)
trap 'rm -f "$report"' EXIT
status=0
abidiff --suppressions "$suppressions" --no-added-syms "$baseline" "$library" >"$report" || status=$?
# Bit 0: abidiff failed; bit 1: usage error; bit 2: a change; bit 3: an incompatible change.
# Additions are left out of the report (--no-added-syms), so any change left breaks the ABI.
if ((status & 3)); then
    cat "$report" >&2
    echo "abidiff could not compare $library with $baseline" >&2
    exit 1
fi
if ((status != 0)); then
    cat "$report"
    echo "The ABI of $soname changed (above). Undo the change, or change the SONAME with it." >&2
    exit 1
fi
echo "$library: the ABI of $soname holds"
