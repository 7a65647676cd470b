#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT

# Every catalogue is complete and current: lupdate, run over the code into a copy of the
# catalogues, finds every word translated, none dropped from the code, and nothing to change.
#   translations.sh <lupdate> <GenerateLUpdateProject.cmake> <project .cmake file...>
# The project files are the ones the update_translations target reads; it refreshes the
# catalogues in the tree.
set -euo pipefail
lupdate=$1 generator=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for project in "$@"; do
    name=$(basename "$project" .cmake)
    cmake -DIN_FILE="$project" -DOUT_FILE="$work/$name.json" -P "$generator"
    mapfile -t catalogues < <(grep -o '"/[^"]*\.ts"' "$work/$name.json" | tr -d '"')
    ((${#catalogues[@]} > 0)) || { echo "$name: no catalogues"; failed=1; continue; }
    copies=()
    for catalogue in "${catalogues[@]}"; do
        cp "$catalogue" "$work/"
        copies+=("$work/$(basename "$catalogue")")
    done
    "$lupdate" -silent -project "$work/$name.json" -locations none -ts "${copies[@]}"
    for catalogue in "${catalogues[@]}"; do
        copy=$work/$(basename "$catalogue")
        if grep -n -B2 -E 'type="(unfinished|obsolete|vanished)"' "$copy"; then
            echo "$catalogue: words untranslated or gone from the code (above)"
            failed=1
        elif ! diff -u "$catalogue" "$copy"; then
            echo "$catalogue: out of date with the code (build the target update_translations)"
            failed=1
        fi
    done
done
exit $failed
