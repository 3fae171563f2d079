#!/usr/bin/env bash
# Checks that the folders of src/ depend on each other one way only. Their order, bottom
# to top, is the list under "## Layout" in the README (the lines `    src/FOLDER  ...`),
# and it is written down there only: a file may include a header of its own folder or of
# a folder listed before its own. Every quoted #include of every file under src/ is
# checked, and every class it declares ahead (class X;) against the header that defines
# it; every file lies in a folder of the list, and every folder of the list holds files.
# A few folders of the plotting code use less than the order allows (ROOMS below).
# The arrows that still run upward are listed one by one with why (UPWARD, AHEAD). Prints
# each breach and exits 1; exits 0 when there is none.
#
#   scripts/check-rooms.sh [ROOT]     # ROOT: the checkout (default: this script's one)
#   scripts/check-rooms.sh --self-test
set -euo pipefail

# Folders that use less than the order allows, and what they may use beyond themselves:
# folders (a trailing /) or single headers, as an #include names them. The engine draws
# with the platform and the geometry only; the curves and the sections build on the
# engine, not on each other; the member plot puts them together over the beam's loads.
ROOMS='
geometry         platform/
plot/engine      geometry/ platform/ base/Numerik.h
plot/curve       plot/engine/ geometry/ platform/ base/Numerik.h
plot/section     plot/engine/ geometry/ platform/ base/Numerik.h
plot/member      plot/curve/ plot/section/ plot/engine/ geometry/ platform/ beam/ base/Numerik.h base/Trace.h
'

# Includes that run upward: FILE HEADER (paths under src).
# - The calculation object holds its earth-pressure coefficient calculator by value, as
#   its working state; the calculator computes and stays with the earth pressure.
# - The host's context of a run (C1QEL) gives the report, the pictures and the design its
#   localised texts and the developer switch; the run's folder of temporary files
#   (RunTempFolder) takes the pictures and report fragments a run writes. The host makes
#   both when a run starts.
# - The table of internal forces with its pictures is written into the report through
#   the report's writer and its blocks.
UPWARD='
model/C1ZirfCalc.h earthpressure/C1ErddruckBeiwerte.h
design/C1BemessungBetonBiegung.cpp host/C1QEL.h
design/C1BemessungBetonQuerschnitt.cpp host/C1QEL.h
design/C1BemessungBetonSchub.cpp host/C1QEL.h
design/C1BemessungHolz.cpp host/C1QEL.h
design/C1BemessungStahlProfil.cpp host/C1QEL.h
graphics/C1ZirfGrafik.cpp host/C1QEL.h
graphics/C1ZirfGrafik_Beanspruchung.cpp host/C1QEL.h
report/C1RTFX.cpp host/C1QEL.h
report/C1ZirfReport_Belastung.cpp host/C1QEL.h
report/C1ZirfReport_Erddruck.cpp host/C1QEL.h
report/ZirfAusgabe.cpp host/C1QEL.h
graphics/C1ZirfGrafik_Schnittgroessen.cpp host/RunTempFolder.h
report/ReportFragment.cpp host/RunTempFolder.h
graphics/C1ZirfGrafik_Schnittgroessen.cpp report/C1RTFX.h
graphics/C1ZirfGrafik_Schnittgroessen.cpp report/ReportBlocks.h
'
# Classes that a file declares ahead although they belong to a folder above it or one it
# may not use: FILE CLASS.
# - The section record's composite stiffness takes design objects and is computed by the
#   design classes (src/design/C1QuerBemessung.cpp).
# - The input model is filled by the readers of the host, which take the host's context
#   and the elements of its document.
# - The design, the pictures and the report take the host's context of a run, and the
#   pictures the report's writer (see UPWARD).
AHEAD='
plot/section/C1Quer.h C1Bemessung
model/C1ZirfInput.h C1QEL
model/C1ZirfInput.h Element
design/C1Bemessung.h C1QEL
graphics/C1ZirfGrafik.h C1QEL
graphics/C1ZirfGrafik.h C1RTFX
report/C1RTFX.h C1QEL
report/C1ZirfReport.h C1QEL
report/ZirfAusgabe.h C1QEL
'
# An entry of UPWARD or AHEAD that no longer matches anything is reported too: the lists
# say exactly which arrows still run upward.

declare -A level=()   # folder under src -> its place in the order
declare -A narrow=()  # folder -> what it may use, when less than the order allows
declare -A upward=()  # "FILE HEADER" of UPWARD -> 0, 1 once an include matched it
declare -A ahead=()   # "FILE CLASS" of AHEAD -> 0, 1 once a declaration matched it
declare -A defined=() # class -> the header that defines it ("-" for none)
folders=()            # the folders, longest first

# Reads the order from the README of the checkout $1.
read_order() {
    local readme=$1/README.md n=0 folder rest
    level=()
    folders=()
    [[ -f $readme ]] || { echo "no README.md in $1" >&2; return 2; }
    while IFS= read -r folder; do
        n=$((n + 1))
        level[$folder]=$n
    done < <(awk '/^## / { inside = ($0 == "## Layout") } inside && /^    src\// {
                  sub(/^    src\//, ""); print $1 }' "$readme")
    ((n > 0)) || { echo "no folders under \"## Layout\" in $readme" >&2; return 2; }
    mapfile -t folders < <(for folder in "${!level[@]}"; do echo "${#folder} $folder"; done |
        sort -rn | cut -d' ' -f2)
    narrow=()
    while read -r folder rest; do
        [[ -n ${folder:-} ]] && narrow[$folder]=$rest
    done <<<"$ROOMS"
    upward=()
    while read -r folder rest; do
        [[ -n ${folder:-} ]] && upward["$folder $rest"]=0
    done <<<"$UPWARD"
    ahead=()
    while read -r folder rest; do
        [[ -n ${folder:-} ]] && ahead["$folder $rest"]=0
    done <<<"$AHEAD"
    return 0
}

# Sets FOLDER to the folder of the order that a path under src lies in, or to nothing.
folder_of() {
    local path=$1 folder
    FOLDER=
    for folder in "${folders[@]}"; do
        if [[ $path == "$folder"/* ]]; then
            FOLDER=$folder
            return 0
        fi
    done
    return 0
}

# Sets WHY to why a file of folder $1 (path under src $2) may not use the header $3, or
# to nothing when it may.
refusal() {
    local room=$1 file=$2 header=$3 item
    WHY=
    folder_of "$header"
    [[ $FOLDER == "$room" ]] && return 0
    if [[ -z $FOLDER ]]; then
        WHY="which lies in no folder of the layout"
        return 0
    fi
    if ((level[$FOLDER] > level[$room])); then
        if [[ -n ${upward["$file $header"]:-} ]]; then
            upward["$file $header"]=1
        else
            WHY="which lies above src/$room"
        fi
        return 0
    fi
    [[ -z ${narrow[$room]:-} ]] && return 0
    for item in ${narrow[$room]}; do
        if [[ $item == */ ]]; then
            [[ $header == "$item"* ]] && return 0
        else
            [[ $header == "$item" ]] && return 0
        fi
    done
    WHY="which src/$room may not use"
    return 0
}

# The header (path under src) that defines a class, or nothing.
defining_header() {
    local src=$1 name=$2
    if [[ -z ${defined[$name]:-} ]]; then
        defined[$name]=$({ grep -rlE --include='*.h' \
            "^(class|struct) (__attribute__\(\(.*\)\) )?$name( final)?( *:[^;]*)? *\{" "$src" ||
            true; } | LC_ALL=C sort | head -1 | sed "s|^$src/||")
        [[ -n ${defined[$name]} ]] || defined[$name]=-
    fi
    [[ ${defined[$name]} != - ]] && echo "${defined[$name]}"
    return 0
}

# shellcheck disable=SC2016 # the awk program's own variables
# Every file under src (path under src), then each quoted include (FILE<TAB>i<TAB>HEADER)
# and each class declared ahead (FILE<TAB>c<TAB>CLASS).
scan() {
    local src=$1
    (cd "$src" && find . -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.inc' \) |
        sed 's|^\./||' | LC_ALL=C sort | while IFS= read -r f; do printf '%s\tf\t\n' "$f"; done)
    (cd "$src" && find . -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.inc' \) -print0 |
        xargs -0 awk '
            match($0, /^[ \t]*#[ \t]*include[ \t]*"[^"]*"/) {
                h = $0; sub(/^[^"]*"/, "", h); sub(/".*/, "", h)
                f = FILENAME; sub(/^\.\//, "", f); print f "\ti\t" h }
            match($0, /^(class|struct) [A-Za-z_][A-Za-z0-9_]*;/) {
                c = $0; sub(/^(class|struct) /, "", c); sub(/;.*/, "", c)
                f = FILENAME; sub(/^\.\//, "", f); print f "\tc\t" c }' | LC_ALL=C sort)
}

check() {
    local root=$1 src="$1/src" breaches=0 rel kind what room def entry
    read_order "$root" || return 2
    defined=()
    for entry in "${folders[@]}"; do
        if [[ -z $(find "$src/$entry" -maxdepth 1 -type f \( -name '*.h' -o -name '*.cpp' \) \
            2>/dev/null | head -1) ]]; then
            echo "src/$entry: listed in the layout, but holds no source file"
            breaches=$((breaches + 1))
        fi
    done
    while IFS=$'\t' read -r rel kind what; do
        folder_of "$rel"
        room=$FOLDER
        if [[ -z $room ]]; then
            if [[ $kind == f ]]; then
                echo "$rel: lies in none of the folders of the layout (README.md, \"## Layout\")"
                breaches=$((breaches + 1))
            fi
            continue
        fi
        case $kind in
        i)
            # An include without a folder names a file beside the including one.
            [[ $what == */* ]] || what=$(dirname "$rel")/$what
            refusal "$room" "$rel" "$what"
            if [[ -n $WHY ]]; then
                echo "$rel: includes $what, $WHY"
                breaches=$((breaches + 1))
            fi
            ;;
        c)
            if [[ -n ${ahead["$rel $what"]:-} ]]; then
                ahead["$rel $what"]=1
                continue
            fi
            def=$(defining_header "$src" "$what")
            [[ -z $def ]] && continue
            refusal "$room" "$rel" "$def"
            if [[ -n $WHY ]]; then
                echo "$rel: declares $what ahead, which is defined in $def, $WHY"
                breaches=$((breaches + 1))
            fi
            ;;
        esac
    done < <(scan "$src")
    for entry in "${!upward[@]}"; do
        if ((upward[$entry] == 0)); then
            echo "${entry%% *}: listed as including ${entry#* } upward, but does not"
            breaches=$((breaches + 1))
        fi
    done
    for entry in "${!ahead[@]}"; do
        if ((ahead[$entry] == 0)); then
            echo "${entry%% *}: listed as declaring ${entry#* } ahead, but does not"
            breaches=$((breaches + 1))
        fi
    done
    if ((breaches > 0)); then
        echo "$breaches breach(es) of the folders' order (README.md \"## Layout\", scripts/check-rooms.sh)"
        return 1
    fi
    echo "the folders' order holds"
}

# A small tree in the order of the README, first without breaches, then with one of each
# kind; and the same tree refused once its README swaps two folders.
self_test() {
    local tree out failed=0 expected
    # The tree's own arrows upward, in place of those of src/.
    local UPWARD='
model/Halter.h earthpressure/Beiwerte.h
'
    local AHEAD='
plot/section/C1Quer.h C1Bemessung
'
    tree=$(mktemp -d)
    trap 'rm -rf "$tree"' RETURN
    cat >"$tree/README.md" <<'EOF'
# A tree

## Layout

    src/base           helpers
    src/platform       the platform
    src/geometry       geometry
    src/beam           the beam
    src/model          the model of a run
    src/earthpressure  earth pressure
    src/plot/engine    the engine
                       of one picture
    src/plot/curve     curves
    src/plot/section   sections
    src/plot/member    the member plot
    src/design         design
    src/resources      texts

## Next

    src/base           not part of the order
EOF
    mkdir -p "$tree"/src/{base,platform,geometry,beam,model,earthpressure,design,resources} \
        "$tree"/src/plot/{engine,curve,section,member}
    printf '#pragma once\n' | tee "$tree/src/base/Numerik.h" "$tree/src/platform/EmfWriter.h" \
        "$tree/src/geometry/CGPoint.h" "$tree/src/beam/C1Traeger.h" >/dev/null
    printf '#pragma once\nclass C1PlotT {\n};\n' >"$tree/src/plot/member/C1PlotT.h"
    printf '#pragma once\nclass C1Bemessung {\n};\n' >"$tree/src/design/C1Bemessung.h"
    printf '#pragma once\nstruct C1ZirfCalc {\n};\n' >"$tree/src/model/C1ZirfCalc.h"
    printf '#include "model/C1ZirfCalc.h"\n#include "base/Numerik.h"\n' >"$tree/src/earthpressure/Aktiv.cpp"
    printf '#include "plot/engine/C1Plot.h"\n#include "base/Numerik.h"\n' >"$tree/src/plot/curve/Kurve.cpp"
    printf '#pragma once\n#include "platform/EmfWriter.h"\nclass C1Plot {\n};\n' >"$tree/src/plot/engine/C1Plot.h"
    printf '#pragma once\nclass C1Plot;\nclass C1Bemessung;\nclass Fremd;\n' >"$tree/src/plot/section/C1Quer.h"
    printf '#include "Texte.inc"\n' >"$tree/src/resources/Texte.cpp"
    printf '#include "plot/section/C1Quer.h"\n#include "model/C1ZirfCalc.h"\n' >"$tree/src/design/Quer.cpp"
    printf '#pragma once\n#include "earthpressure/Beiwerte.h"\n' >"$tree/src/model/Halter.h"
    if ! out=$(check "$tree"); then
        echo "self-test: a tree without breaches was refused:"
        echo "$out"
        return 1
    fi
    printf '#include "plot/member/C1PlotT.h"\n' >"$tree/src/plot/engine/Hoch.cpp"
    printf '#include "beam/C1Traeger.h"\n' >"$tree/src/plot/engine/Traeger.cpp"
    printf '#include "plot/section/C1Quer.h"\n' >"$tree/src/plot/curve/Quer.cpp"
    # The listed arrows gone, and one not listed in their place.
    printf '#pragma once\n#include "earthpressure/Anders.h"\n' >"$tree/src/model/Halter.h"
    printf '#pragma once\nclass C1Plot;\n' >"$tree/src/plot/section/C1Quer.h"
    printf 'class C1PlotT;\n' >"$tree/src/plot/curve/Voraus.h"
    printf 'class C1ZirfCalc;\n' >"$tree/src/beam/Voraus.h"
    printf '#include "design/C1Bemessung.h"\n' >"$tree/src/plot/member/Bemessung.cpp"
    printf '#include "earthpressure/Aktiv.h"\n' >"$tree/src/model/Aktiv.cpp"
    printf '#include "host/C1QEL.h"\n' >"$tree/src/model/Host.cpp"
    printf '#include "Hoch.h"\n' >"$tree/src/base/Lokal.cpp"
    printf 'int x;\n' >"$tree/src/plot/Lose.cpp"
    rm "$tree/src/geometry/CGPoint.h"
    mkdir -p "$tree/src/neu"
    printf 'int y;\n' >"$tree/src/neu/Neu.cpp"
    if out=$(check "$tree"); then
        echo "self-test: a tree with breaches passed"
        return 1
    fi
    for expected in "plot/engine/Hoch.cpp: includes plot/member/C1PlotT.h, which lies above" \
        "plot/engine/Traeger.cpp: includes beam/C1Traeger.h, which src/plot/engine may not use" \
        "plot/curve/Quer.cpp: includes plot/section/C1Quer.h, which lies above" \
        "plot/curve/Voraus.h: declares C1PlotT ahead" \
        "beam/Voraus.h: declares C1ZirfCalc ahead, which is defined in model/C1ZirfCalc.h, which lies above" \
        "plot/member/Bemessung.cpp: includes design/C1Bemessung.h" \
        "model/Aktiv.cpp: includes earthpressure/Aktiv.h, which lies above src/model" \
        "model/Host.cpp: includes host/C1QEL.h, which lies in no folder" \
        "plot/Lose.cpp: lies in none" \
        "neu/Neu.cpp: lies in none" \
        "model/Halter.h: includes earthpressure/Anders.h, which lies above src/model" \
        "model/Halter.h: listed as including earthpressure/Beiwerte.h upward, but does not" \
        "plot/section/C1Quer.h: listed as declaring C1Bemessung ahead, but does not" \
        "src/geometry: listed in the layout, but holds no source file" \
        "14 breach(es)"; do
        if ! grep -qF "$expected" <<<"$out"; then
            echo "self-test: not reported: $expected"
            failed=1
        fi
    done
    if grep -qF "base/Lokal.cpp: includes base/Hoch.h" <<<"$out"; then
        echo "self-test: an include beside the including file was refused"
        failed=1
    fi
    # The order is the README's: the tree without breaches, its model and earth pressure
    # swapped, has one.
    printf '#pragma once\n#include "earthpressure/Beiwerte.h"\n' >"$tree/src/model/Halter.h"
    printf '#pragma once\nclass C1Plot;\nclass C1Bemessung;\n' >"$tree/src/plot/section/C1Quer.h"
    printf '#pragma once\n' >"$tree/src/geometry/CGPoint.h"
    rm -f "$tree/src/plot/engine/Hoch.cpp" "$tree/src/plot/engine/Traeger.cpp" \
        "$tree/src/plot/curve/Quer.cpp" "$tree/src/plot/curve/Voraus.h" "$tree/src/beam/Voraus.h" \
        "$tree/src/plot/member/Bemessung.cpp" "$tree/src/model/Aktiv.cpp" "$tree/src/model/Host.cpp" \
        "$tree/src/base/Lokal.cpp" "$tree/src/plot/Lose.cpp" "$tree/src/neu/Neu.cpp"
    if ! out=$(check "$tree"); then
        echo "self-test: the tree without breaches was refused once more:"
        echo "$out"
        return 1
    fi
    sed -i -e 's#^    src/model  #    src/TAUSCH #' -e 's#^    src/earthpressure#    src/model        #' \
        -e 's#^    src/TAUSCH #    src/earthpressure#' "$tree/README.md"
    if out=$(check "$tree") ||
        ! grep -qF "earthpressure/Aktiv.cpp: includes model/C1ZirfCalc.h, which lies above" <<<"$out"; then
        echo "self-test: the order was not read from the README:"
        echo "$out"
        failed=1
    fi
    ((failed == 0)) && echo "self-test: every breach reported"
    return "$failed"
}

if [[ ${1:-} == --self-test ]]; then
    self_test
else
    check "${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
fi
