#!/usr/bin/env bash
# Builds the benchmarks optimised (build/bench, the preset "bench", with Google Benchmark)
# and runs them; the arguments go to the benchmark program:
#
#   scripts/bench.sh [--benchmark_filter=REGEX ...]
#
# The calculation of each example, the pictures, a whole run per example (Lauf/...) and a
# batch of 200 runs in one process (Stapel/200).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/bench"
"$root/scripts/install-deps.sh" bench
if [[ ! -f "$build/build.ninja" ]]; then
  cmake -S "$root" --preset bench -B "$build" >/dev/null
fi
ninja -C "$build" bench_zirf >&2
exec "$build/bench/bench_zirf" "$@"
