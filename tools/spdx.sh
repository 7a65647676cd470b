#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Verrin developers
# SPDX-License-Identifier: MIT
#
# Licence lines in the REUSE convention: every file of the tree names its copyright holder and
# its licence in a comment, or is covered by an annotation in REUSE.toml (pictures, JSON...).
#   tools/spdx.sh --check   lists the files without them; fails when there is one
#   tools/spdx.sh --add     inserts the missing lines in each file's own comment syntax
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
COPYRIGHT_TAG="SPDX-FileCopyrightText"
LICENSE_TAG="SPDX-License-Identifier"
COPYRIGHT_LINE="$COPYRIGHT_TAG: 2026 Verrin developers"
LICENSE_LINE="$LICENSE_TAG: MIT"
# The lines count where REUSE tools look for them first: near the top.
HEAD_LINES=20

usage() {
    echo "usage: $0 --check | --add" >&2
    exit 2
}

# Every file of the tree: Git's list when there is one, else every file outside the build folders.
tree_files() {
    if git -C "$ROOT" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git -C "$ROOT" ls-files --cached --others --exclude-standard
    else
        (cd "$ROOT" && find . -path ./build -prune -o -path ./.git -prune -o -type f -print \
            | sed 's|^\./||')
    fi
}

# The path globs of REUSE.toml's annotations, as extended regular expressions.
annotated_patterns() {
    [ -f "$ROOT/REUSE.toml" ] || return 0
    # A path is one string or an array of them, which may span lines.
    awk '/^[[:space:]]*path[[:space:]]*=/ { inside = 1 }
        inside { print }
        /\]|^[[:space:]]*path[[:space:]]*=[[:space:]]*"/ { inside = 0 }' "$ROOT/REUSE.toml" \
        | grep -oE '"[^"]+"' | tr -d '"' \
        | sed -e 's/[.+^$()|]/\\&/g' -e 's/\*\*/\x01/g' -e 's/\*/[^\/]*/g' -e 's/\x01/.*/g' \
            -e 's/^/^/' -e 's/$/$/'
}

# The comment syntax of a file: "//", "#", "xml" or "roff"; nothing when unknown.
comment_style() {
    local path=$1 name=${1##*/}
    name=${name%.in}
    case "$name" in
    *.cpp | *.h | *.hpp | *.c | *.cc | *.dox) echo "//" ;;
    *.xml | *.qrc | *.ui | *.md | *.html | *.svg) echo xml ;;
    *.[1-9]) echo roff ;;
    *.sh | *.cmake | CMakeLists.txt | *.py | *.pc | *.toml | *.supp | *.desktop | *.yml | *.yaml \
        | .gitignore | .clang-format | rules | control | *.install | *.links | *.docs | *.manpages \
        | *.examples | Doxyfile)
        echo "#" ;;
    *) head -c 2 "$ROOT/$path" | grep -q '^#!' && echo "#" ;;
    esac
    return 0
}

has_line() { head -n "$HEAD_LINES" "$1" | grep -qF "$2"; }

comment() {
    case "$1" in
    xml) echo "<!-- $2 -->" ;;
    roff) echo ".\\\" $2" ;;
    *) echo "$1 $2" ;;
    esac
}

# Inserts the missing lines at the top, after a first line that must stay first
# (a shebang, an XML declaration).
add_lines() {
    local file=$1 style=$2 keep=0 lines=() out
    has_line "$file" "$COPYRIGHT_TAG:" || lines+=("$(comment "$style" "$COPYRIGHT_LINE")")
    has_line "$file" "$LICENSE_TAG:" || lines+=("$(comment "$style" "$LICENSE_LINE")")
    ((${#lines[@]})) || return 0
    head -n 1 "$file" | grep -qE '^(#!|<\?xml)' && keep=1
    out=$(mktemp)
    {
        head -n "$keep" "$file"
        printf '%s\n' "${lines[@]}"
        # A blank line parts the licence from the rest (in roff it would print as one).
        if [ "$style" != roff ] && sed -n "$((keep + 1))p" "$file" | grep -q .; then echo; fi
        tail -n +"$((keep + 1))" "$file"
    } >"$out"
    cat "$out" >"$file"
    rm -f "$out"
}

mode=${1:-}
[ "$mode" = --check ] || [ "$mode" = --add ] || usage

mapfile -t patterns < <(annotated_patterns)
missing=0
while IFS= read -r path; do
    file="$ROOT/$path"
    [ -f "$file" ] && [ ! -L "$file" ] || continue
    case "$path" in LICENSE | LICENSES/*) continue ;; esac
    for pattern in "${patterns[@]}"; do
        [[ "$path" =~ $pattern ]] && continue 2
    done
    has_line "$file" "$COPYRIGHT_TAG:" && has_line "$file" "$LICENSE_TAG: MIT" && continue
    style=$(comment_style "$path")
    if [ "$mode" = --add ] && [ -n "$style" ]; then
        add_lines "$file" "$style"
        echo "added: $path"
    elif [ "$mode" = --add ]; then
        echo "no comment syntax known, annotate it in REUSE.toml: $path" >&2
        missing=$((missing + 1))
    else
        echo "no licence lines: $path" >&2
        missing=$((missing + 1))
    fi
done < <(tree_files | sort -u)

if ((missing)); then
    echo "$missing file(s) without $COPYRIGHT_TAG and $LICENSE_TAG lines" >&2
    exit 1
fi
