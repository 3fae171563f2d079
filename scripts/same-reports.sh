#!/usr/bin/env bash
# Runs the examples through the zirf of two revisions and compares what the runs wrote,
# byte for byte: each report (.rtf), each result document (.result.xml) and each exit
# status. A change that only moves code must leave them all alike (a run is
# deterministic: the same input gives the same bytes).
#
#   scripts/same-reports.sh OLD [NEW]
#
# OLD and NEW are git revisions, each built from its own sources in a temporary folder
# (release, no tests); without NEW this checkout as it stands is built, as ./run builds
# it. The inputs are the examples of this checkout (examples/*.xml). Exits 0 when every
# output is alike, 1 when one differs, 2 on a usage or build error.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

if (($# < 1 || $# > 2)); then
    echo "usage: scripts/same-reports.sh OLD [NEW]" >&2
    exit 2
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/same-reports.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Configures and builds zirf from the sources in $1 into the folder $2; the build's own
# output is shown only when it fails.
build_zirf() {
    local sources=$1 build=$2 log
    if ! log=$(cmake -S "$sources" -B "$build" -DCMAKE_BUILD_TYPE=Release -DZIRF_TESTS=OFF "${@:3}" 2>&1 &&
        cmake --build "$build" --target zirf -j"$(nproc)" 2>&1); then
        echo "$log" >&2
        echo "building zirf of $sources failed" >&2
        exit 2
    fi
}

# Prints the path of the zirf of revision $1 (the checkout as it stands when empty),
# built under the folder $2.
zirf_of() {
    local rev=$1 dir=$2
    if [[ -z $rev ]]; then
        echo "$("$root/scripts/release-build.sh" zirf)/zirf"
        return
    fi
    mkdir -p "$dir/src"
    if ! git -C "$root" archive "$rev" | tar -x -C "$dir/src"; then
        echo "no revision $rev" >&2
        exit 2
    fi
    build_zirf "$dir/src" "$dir/build"
    echo "$dir/build/zirf"
}

# Runs every example through the zirf $1 into the folder $2, and notes each exit status.
run_examples() {
    local zirf=$1 out=$2 input status
    mkdir -p "$out"
    for input in "$root"/examples/*.xml; do
        status=0
        env -u QELUSER "$zirf" -q -o "$out" "$input" || status=$?
        echo "$(basename "$input") $status" >>"$out/exit-status.txt"
    done
}

old_zirf=$(zirf_of "$1" "$work/old")
new_zirf=$(zirf_of "${2:-}" "$work/new")
run_examples "$old_zirf" "$work/out-old"
run_examples "$new_zirf" "$work/out-new"

differ=0
if ! diff <(cd "$work/out-old" && ls) <(cd "$work/out-new" && ls) >/dev/null; then
    echo "the runs wrote different files:"
    diff <(cd "$work/out-old" && ls) <(cd "$work/out-new" && ls) || true
    differ=1
fi
for file in "$work"/out-old/*; do
    name=$(basename "$file")
    if [[ -f $work/out-new/$name ]] && cmp -s "$file" "$work/out-new/$name"; then
        echo "alike      $name"
    else
        echo "DIFFERENT  $name"
        differ=1
    fi
done
if ((differ)); then
    echo "the outputs of ${1} and ${2:-this checkout} differ"
    exit 1
fi
echo "every output of ${1} and ${2:-this checkout} is alike, byte for byte"
