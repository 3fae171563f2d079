#!/usr/bin/env bash
# Measures whole runs of zirf as processes against the cost of starting a C++ program at
# all: a hello-world linked dynamically with libstdc++ and libxml2 (built here), run in
# turn with zirf on one processor. For each example the medians of wall and processor
# time and of the minor page faults, and the median ratio zirf/hello-world; then zirf's
# own start (a call refused for its unknown option --help) and one call over a batch
# of inputs, as complete runs per second.
#
#   scripts/bench-process.sh [RUNS [CPU [BATCH]]]    (defaults: 21 runs, processor 2, 200 inputs)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs=${1:-21}
cpu=${2:-2}
batch=${3:-200}

build=$("$root/scripts/release-build.sh" zirf)
zirf="$build/zirf"
tools="$build/bench-process"
mkdir -p "$tools"
g++ -O2 -o "$tools/hallo" "$root/scripts/bench-process/Hallo.cpp" $(xml2-config --cflags) \
  $(xml2-config --libs)
g++ -O2 -std=c++20 -o "$tools/prozesszeit" "$root/scripts/bench-process/Prozesszeit.cpp"

work=$(mktemp -d "${TMPDIR:-/tmp}/bench-process.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/out" "$work/in"

measure() {
  taskset -c "$cpu" "$tools/prozesszeit" "$runs" "$@" -- "$tools/hallo"
}

# One line: name, wall ms zirf / hello-world (ratio), cpu ms (ratio), page faults.
report() {
  local name=$1 out
  out=$(measure "${@:2}")
  awk -v name="$name" '
    $1 == "wall_ms" { wa = $2; wb = $3; wr = $5 }
    $1 == "cpu_ms" { ca = $2; cb = $3; cr = $5 }
    $1 == "faults" { fa = $2; fb = $3 }
    $1 == "status" { st = $2 }
    END { printf "%-22s %7.2f %6.2f %5.2f  %7.2f %6.2f %5.2f  %6d %5d  %d\n",
                 name, wa, wb, wr, ca, cb, cr, fa, fb, st }' <<<"$out"
}

echo "whole processes on processor $cpu, medians of $runs runs, each beside a run of hello-world"
printf "%-22s %7s %6s %5s  %7s %6s %5s  %6s %5s  %s\n" "" "wall ms" "hello" "ratio" \
  "cpu ms" "hello" "ratio" "faults" "hello" "status"
report "zirf --help" "$zirf" --help
for input in "$root"/examples/*.xml; do
  report "$(basename "$input" .xml)" "$zirf" -q -o "$work/out" "$input"
done

# A batch: the examples over and over under names of their own.
inputs=()
examples=("$root"/examples/*.xml)
for ((i = 0; i < batch; ++i)); do
  example=${examples[i % ${#examples[@]}]}
  copy="$work/in/$(printf '%03d' "$i")_$(basename "$example")"
  cp "$example" "$copy"
  inputs+=("$copy")
done
out=$(taskset -c "$cpu" "$tools/prozesszeit" 3 "$zirf" -q -o "$work/out" "${inputs[@]}" -- \
  "$tools/hallo")
awk -v n="$batch" '
  $1 == "wall_ms" { wall = $2 }
  $1 == "cpu_ms" { cpu = $2 }
  $1 == "status" { st = $2 }
  END { printf "batch of %d inputs in one call: %.1f ms wall, %.1f ms cpu; %.0f runs/s (wall), %.0f runs/s (cpu); status %d\n",
               n, wall, cpu, n * 1000 / wall, n * 1000 / cpu, st }' <<<"$out"
