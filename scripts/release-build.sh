#!/usr/bin/env bash
# Brings the release build (build/release-ninja, Ninja) up to date for the targets given
# (zirf when none) and prints its folder. The build's own output is shown only when it
# fails (status 2).
#
# On a build that is there already this costs Ninja's look at what changed, no more:
# the packages are checked and the build configured only when the folder is new; a
# change of the build files later makes Ninja configure again by itself. The folder is
# Ninja's own, so a build/release made earlier with make stays as it was.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/release-ninja"
if [[ ! -f "$build/build.ninja" ]]; then
  "$root/scripts/install-deps.sh"
  if ! log=$(cmake -G Ninja -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DZIRF_TESTS=OFF -DZIRF_BENCH=ON 2>&1); then
    echo "$log" >&2
    # A folder whose configuration failed is configured afresh next time.
    rm -f "$build/build.ninja"
    exit 2
  fi
fi
if ! log=$(ninja -C "$build" "${@:-zirf}" 2>&1); then
  echo "$log" >&2
  exit 2
fi
echo "$build"
