#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks or adds the licence line at the top of the project's source files.
#
#   tools/spdx.sh --check [FILE...]    lists the files that lack it; status 1 when any does
#   tools/spdx.sh --apply [FILE...]    adds it where it is missing
#
# Without FILEs it works on every file git tracks. Each kind of file gets the line in its
# own comment form, after a "#!" or "<?xml" first line. Files that cannot or must not carry
# it are left alone: documents, pictures, test data and fuzz seeds, files the build writes
# and compares (examples/factory.xml), the licence texts, and the character sets' glyph data
# with its notice, which keep the licences of their sources.
set -euo pipefail

readonly identifier="SPDX-License-Identifier: MIT"

# The line for FILE in its comment form; nothing when the file carries none.
licence_line() {
    case $1 in
        *.cpp | *.h | *.hpp | *.cc | *.c | *.h.in) echo "// $identifier" ;;
        */CMakeLists.txt | CMakeLists.txt | *.cmake | *.cmake.in | *.sh | *.py | *.pc.in | \
            Makefile | */Makefile | .ci/* | .gitignore | .clang-format | *.desktop)
            echo "# $identifier" ;;
        *.ini) echo "; $identifier" ;;
        *.svg | *.metainfo.xml) echo "<!-- $identifier -->" ;;
        *) ;;
    esac
}

has_line() { head -n 5 -- "$1" | grep -qF "$identifier"; }

# Inserts LINE into FILE: after a "#!" or "<?xml" first line, else first.
insert_line() {
    local file=$1 line=$2 temporary
    temporary=$(mktemp "$file.spdx.XXXXXX")
    if head -n 1 -- "$file" | grep -qE '^(#!|<\?xml)'; then
        { head -n 1 -- "$file"; echo "$line"; tail -n +2 -- "$file"; } > "$temporary"
    else
        { echo "$line"; cat -- "$file"; } > "$temporary"
    fi
    chmod --reference="$file" "$temporary"
    mv -- "$temporary" "$file"
}

mode=${1:-}
[[ $mode == --check || $mode == --apply ]] || {
    echo "usage: $0 --check|--apply [FILE...]" >&2
    exit 2
}
shift
top=$(git rev-parse --show-toplevel)
files=()
for file in "$@"; do files+=("$(realpath -m --relative-to="$top" -- "$file")"); done
cd "$top"
(($# > 0)) || mapfile -t files < <(git ls-files)

missing=0
for file in "${files[@]}"; do
    [[ -f $file && ! -L $file ]] || continue
    line=$(licence_line "$file")
    [[ -n $line ]] || continue
    has_line "$file" && continue
    if [[ $mode == --apply ]]; then
        insert_line "$file" "$line"
        echo "added: $file"
    else
        echo "missing: $file"
        missing=$((missing + 1))
    fi
done
if ((missing > 0)); then
    echo "$missing files lack the line \"$identifier\" (tools/spdx.sh --apply adds it)" >&2
    exit 1
fi
