#!/usr/bin/env bash
# Brings the release build (build/release-ninja, Ninja) up to date for the targets given
# (zirf when none) and prints its folder.
#
#   scripts/release-build.sh [-q] [TARGET...]
#
# On a build that is there already this costs Ninja's look at what changed, no more, and
# says nothing: the packages are checked and the build configured only when the folder is
# new; a change of the build files later makes Ninja configure again by itself. When
# there is something to do, a line on stderr says so and Ninja's status follows, as one
# line updated in place on a terminal, as a line per step elsewhere. With -q the build's
# output is shown only when it fails. A build that fails ends with status 2, packages
# that are missing and cannot be installed with status 4 (scripts/install-deps.sh).
#
# The configuration is the preset "release" (CMakePresets.json): it needs only the run's
# packages. The folder is Ninja's own, so a build/release made earlier with make stays as
# it was.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/release-ninja"
quiet=0
if [[ ${1:-} == -q ]]; then
  quiet=1
  shift
fi
targets=("${@:-zirf}")

say() {
  ((quiet)) || echo "$*" >&2
}

# Ninja's output, as the user sees it: nothing on a current build; otherwise a line that
# says what is built, then Ninja's status lines (in place on a terminal) and whatever else
# it prints (a compiler's messages, the failure).
show_build() {
  local line announced=0 open=0 terminal=0 width=80
  if [[ -t 2 ]]; then
    terminal=1
    width=$(tput cols 2>/dev/null || echo 80)
  fi
  while IFS= read -r line; do
    # What Ninja prints on a current build: where it works, that the folders whose files
    # the build lists are as they were, that it has nothing to do.
    case $line in
      "ninja: Entering directory"* | *"] Re-checking globbed directories..." | \
        "ninja: no work to do.") continue ;;
    esac
    if ((announced == 0)); then
      echo "building ${targets[*]} (release build in ${build#"$root"/})" >&2
      announced=1
    fi
    if ((terminal)) && [[ $line =~ ^\[[0-9]+/[0-9]+\]\  ]]; then
      printf '\r\033[K%s' "${line:0:width-1}" >&2
      open=1
    else
      if ((open)); then
        printf '\n' >&2
        open=0
      fi
      printf '%s\n' "$line" >&2
    fi
  done
  if ((open)); then
    printf '\n' >&2
  fi
}

if [[ ! -f "$build/build.ninja" ]]; then
  "$root/scripts/install-deps.sh" run
  say "configuring the release build in ${build#"$root"/}; a first build takes about 3 minutes on 2 cores"
  if ! log=$(cmake -S "$root" --preset release -B "$build" --no-warn-unused-cli 2>&1); then
    echo "$log" >&2
    # A folder whose configuration failed is configured afresh next time.
    rm -f "$build/build.ninja"
    exit 2
  fi
fi
if ((quiet)); then
  if ! log=$(ninja -C "$build" "${targets[@]}" 2>&1); then
    echo "$log" >&2
    exit 2
  fi
elif ! ninja -C "$build" "${targets[@]}" 2>&1 | show_build; then
  echo "the release build failed" >&2
  exit 2
fi
echo "$build"
