#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT

# Every program and shared library the build writes finds its libraries through absolute
# folders or folders relative to itself ($ORIGIN), never through the working folder: an empty
# RUNPATH entry, or one like "." or "lib", would load a library placed there by anyone.
#   runpath_test.sh <build folder>
set -euo pipefail
build=$1
checked=0 failed=0
while IFS= read -r -d '' file; do
    readelf -h "$file" >/dev/null 2>&1 || continue
    checked=$((checked + 1))
    path=$(readelf -d "$file" | sed -n 's/.*(\(RUNPATH\|RPATH\)).*\[\(.*\)\]$/\2/p')
    [ -n "$path" ] || continue
    if [[ ":$path:" == *::* ]]; then
        echo "$file: RUNPATH \"$path\" has an empty entry"
        failed=1
    fi
    while IFS= read -r entry; do
        case $entry in
        '' | /* | '$ORIGIN' | '$ORIGIN/'*) ;;
        *)
            echo "$file: RUNPATH \"$path\" has the entry \"$entry\""
            failed=1
            ;;
        esac
    done < <(tr ':' '\n' <<<"$path")
done < <(find "$build" -path '*/CMakeFiles' -prune -o -type f \( -perm -u+x -o -name '*.so*' \) -print0)
echo "$checked programs and libraries checked"
[ "$failed" -eq 0 ] && [ -x "$build/app/verrin" ]
