#!/usr/bin/env bash
# Checks that the folders of the plotting code and the geometry depend on each other one
# way only: the engine on the platform, the geometry and two host helpers; the curves and
# the sections on the engine; the member plot on all three. Every quoted #include of a
# file in such a folder, and every class it declares ahead (class X;), must lie in a
# folder that it may use. Prints each breach and exits 1; exits 0 when there is none.
#
#   scripts/check-rooms.sh [ROOT]     # ROOT: the checkout (default: this script's one)
#   scripts/check-rooms.sh --self-test
set -euo pipefail

# Folder under src and what its files may use: folders (a trailing /) or single headers,
# as an #include names them. A folder always uses itself.
RULES='
geometry         platform/
plot/engine      geometry/ platform/ host/C1Exception.h host/Numerik.h
plot/curve       plot/engine/ geometry/ platform/ host/C1Exception.h host/Numerik.h
plot/section     plot/engine/ geometry/ platform/ host/C1Exception.h host/Numerik.h
plot/member      plot/curve/ plot/section/ plot/engine/ geometry/ platform/ beam/ host/C1Exception.h host/Numerik.h host/Trace.h
'
ROOMS=$(awk 'NF { print $1 }' <<<"$RULES")
# Folders whose files must all lie in one of the folders above.
PARENTS='plot'
# Classes that a file declares ahead although they belong to a folder it may not use:
# FILE CLASS, and why. The section record's composite stiffness takes design objects and
# is computed by the design classes (src/design/C1QuerBemessung.cpp); the section folder
# includes nothing of design.
KNOWN_AHEAD='
plot/section/C1Quer.h C1Bemessung
'

# May a file of folder $1 use the header $2 (as an include names it)?
may_use() {
    local room=$1 header=$2 allowed item
    [[ $header == "$room"/* ]] && return 0
    allowed=$(awk -v r="$room" '$1 == r { $1 = ""; print }' <<<"$RULES")
    for item in $allowed; do
        if [[ $item == */ ]]; then
            [[ $header == "$item"* ]] && return 0
        else
            [[ $header == "$item" ]] && return 0
        fi
    done
    return 1
}

# The folder under src that a file (path under src) lies in, among the ruled folders.
room_of() {
    local file=$1 room
    for room in $ROOMS; do
        if [[ $file == "$room"/* ]]; then
            echo "$room"
            break
        fi
    done
}

# The header (path under src) that defines a class, or nothing.
defining_header() {
    local src=$1 name=$2
    { grep -rlE --include='*.h' \
        "^(class|struct) (__attribute__\(\(.*\)\) )?$name( final)?( *:[^;]*)? *\{" "$src" || true; } |
        head -1 | sed "s|^$src/||"
}

check() {
    local src="$1/src" breaches=0 file rel room inc name def parent
    while IFS= read -r file; do
        rel=${file#"$src"/}
        room=$(room_of "$rel")
        if [[ -z $room ]]; then
            echo "$rel: lies in none of the folders of src/${rel%%/*}"
            breaches=$((breaches + 1))
            continue
        fi
        while IFS= read -r inc; do
            if ! may_use "$room" "$inc"; then
                echo "$rel: includes $inc, which src/$room may not use"
                breaches=$((breaches + 1))
            fi
        done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
        while IFS= read -r name; do
            if grep -qx "$rel $name" <<<"$KNOWN_AHEAD"; then
                continue
            fi
            def=$(defining_header "$src" "$name")
            if [[ -n $def ]] && ! may_use "$room" "$def"; then
                echo "$rel: declares $name ahead, which is defined in $def: src/$room may not use it"
                breaches=$((breaches + 1))
            fi
        done < <(sed -n 's/^\(class\|struct\) \([A-Za-z_][A-Za-z0-9_]*\);.*/\2/p' "$file")
    done < <(
        for parent in $PARENTS $ROOMS; do
            if [[ -d $src/$parent ]]; then
                find "$src/$parent" -type f \( -name '*.h' -o -name '*.cpp' \)
            fi
        done | LC_ALL=C sort -u
    )
    if ((breaches > 0)); then
        echo "$breaches breach(es) of the folders' order (see scripts/check-rooms.sh)"
        return 1
    fi
    echo "the folders' order holds"
}

# A small tree with one breach of each kind, and the same tree without them.
self_test() {
    local tree out failed=0
    tree=$(mktemp -d)
    trap 'rm -rf "$tree"' RETURN
    mkdir -p "$tree/src/plot/engine" "$tree/src/plot/member" "$tree/src/plot/curve" "$tree/src/design"
    printf '#pragma once\nclass C1PlotT {\n};\n' >"$tree/src/plot/member/C1PlotT.h"
    printf 'class C1Bemessung {\n};\n' >"$tree/src/design/C1Bemessung.h"
    printf '#include "plot/engine/C1Plot.h"\n#include "host/Numerik.h"\n' >"$tree/src/plot/curve/Kurve.cpp"
    printf '#pragma once\n#include "platform/EmfWriter.h"\nclass C1Plot {\n};\n' >"$tree/src/plot/engine/C1Plot.h"
    mkdir -p "$tree/src/plot/section"
    printf '#pragma once\nclass C1Plot;\nclass C1Bemessung;\n' >"$tree/src/plot/section/C1Quer.h"
    if ! out=$(check "$tree"); then
        echo "self-test: a tree without breaches was refused:"
        echo "$out"
        return 1
    fi
    printf '#include "plot/member/C1PlotT.h"\n' >"$tree/src/plot/engine/Hoch.cpp"
    printf 'class C1PlotT;\n' >"$tree/src/plot/curve/Voraus.h"
    printf '#include "design/C1Bemessung.h"\n' >"$tree/src/plot/member/Bemessung.cpp"
    printf 'int x;\n' >"$tree/src/plot/Lose.cpp"
    if out=$(check "$tree"); then
        echo "self-test: a tree with breaches passed"
        return 1
    fi
    for expected in "plot/engine/Hoch.cpp: includes plot/member/C1PlotT.h" \
        "plot/curve/Voraus.h: declares C1PlotT ahead" \
        "plot/member/Bemessung.cpp: includes design/C1Bemessung.h" \
        "plot/Lose.cpp: lies in none"; do
        if ! grep -qF "$expected" <<<"$out"; then
            echo "self-test: not reported: $expected"
            failed=1
        fi
    done
    ((failed == 0)) && echo "self-test: every breach reported"
    return "$failed"
}

if [[ ${1:-} == --self-test ]]; then
    self_test
else
    check "${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
fi
