#!/usr/bin/env bash
# Installs the Debian packages that a command of this checkout needs, when they are missing.
#
#   scripts/install-deps.sh run     # ./run: a compiler, CMake, Ninja and libxml2
#   scripts/install-deps.sh test    # ./test: the run's packages, make, GoogleTest, GoogleMock
#                                   # and Google Benchmark; the locale de_DE.UTF-8; LibreOffice
#                                   # Writer, poppler-utils and the Liberation fonts for the
#                                   # report check (none of these with ZIRF_WITH_OFFICE=0)
#   scripts/install-deps.sh bench   # scripts/bench.sh: the run's packages and Google Benchmark
#   scripts/install-deps.sh fuzz    # scripts/fuzz.sh: the run's packages, make, and clang with
#                                   # libFuzzer where clang++ is missing
#
# As root the packages are installed with apt-get, otherwise with sudo apt-get. Where that
# cannot be done (no root and no sudo, or apt-get fails), one message names the packages
# and the command that installs them, and the script ends with status 4. The locale and
# the office packages only warn: the tests that need them then skip with a message.
set -euo pipefail

readonly MISSING_PACKAGES_STATUS=4
readonly RUN_PACKAGES=(g++ cmake ninja-build libxml2-dev)
readonly TEST_PACKAGES=(make libgtest-dev libgmock-dev libbenchmark-dev)
readonly BENCH_PACKAGES=(libbenchmark-dev)
readonly FUZZ_PACKAGES=(make)
readonly CLANG_PACKAGES=(clang libclang-rt-14-dev)
readonly OFFICE_PACKAGES=(libreoffice-writer-nogui poppler-utils)
readonly FONT_PACKAGES=(fonts-liberation)
readonly LOCALE_COMMAND="localedef -i de_DE -c -f UTF-8 de_DE.UTF-8"

purpose=${1:-run}
case $purpose in
  run) caller=./run ;;
  test) caller=./test ;;
  bench) caller=scripts/bench.sh ;;
  fuzz) caller=scripts/fuzz.sh ;;
  *)
    echo "usage: scripts/install-deps.sh [run|test|bench|fuzz]" >&2
    exit 2
    ;;
esac

is_root() {
  [[ $(id -u) -eq 0 ]]
}

# Runs the command as root: itself when this is root, else through sudo.
as_root() {
  if is_root; then
    "$@"
  else
    sudo "$@"
  fi
}

# The command a user gives as root to install the packages.
install_command() {
  echo "apt-get update && apt-get install -y $*"
}

missing=()
why=""
updated=0

# Installs those of the packages that are missing (left in `missing`); false, with the
# reason in `why`, when they could not be installed.
install_missing() {
  missing=()
  local p
  for p in "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  if ! is_root && ! command -v sudo >/dev/null 2>&1; then
    why="without root and without sudo they cannot be installed here"
    return 1
  fi
  echo "installing: ${missing[*]}" >&2
  if ((updated == 0)); then
    # Lists that cannot be renewed may still hold the packages: apt-get install tells.
    as_root apt-get update -qq || true
    updated=1
  fi
  if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null; then
    why="apt-get could not install them (its message is above)"
    return 1
  fi
}

# Packages the command cannot do without: missing ones that cannot be installed end it.
require() {
  install_missing "$@" && return 0
  {
    echo "$caller needs Debian packages that are not installed: ${missing[*]}"
    echo "($why). Install them as root with"
    echo "    $(install_command "${missing[@]}")"
    echo "and call $caller again (status $MISSING_PACKAGES_STATUS: packages missing)."
  } >&2
  exit "$MISSING_PACKAGES_STATUS"
}

# Packages of a check that skips without them: a warning that says what is lost.
wish() {
  local lost=$1
  shift
  install_missing "$@" && return 0
  {
    echo "warning: ${missing[*]} missing ($why): $lost."
    echo "    Install as root: $(install_command "${missing[@]}")"
  } >&2
  return 1
}

# A German locale, so that the test of number formatting under a process locale with a
# decimal comma runs. Generated with localedef (no edit of /etc/locale.gen needed).
has_german_locale() {
  locale -a 2>/dev/null | grep -qiE '^de_DE\.utf-?8$'
}

german_locale() {
  has_german_locale && return 0
  local lost="the number formatting test under de_DE.UTF-8 will be skipped"
  wish "$lost" locales || return 0
  if is_root || command -v sudo >/dev/null 2>&1; then
    # shellcheck disable=SC2086
    as_root $LOCALE_COMMAND 2>/dev/null || true
  fi
  has_german_locale && return 0
  echo "warning: the locale de_DE.UTF-8 could not be generated: $lost." >&2
  echo "    Generate it as root: $LOCALE_COMMAND" >&2
}

# The report check opens generated reports in LibreOffice Writer; the pictures measure
# their texts with the widths of Liberation Sans, the face LibreOffice shows in place of
# Arial (scripts/gen-text-metrics.py reads it too).
office() {
  local lost="the report check in LibreOffice will be skipped (ZIRF_WITH_OFFICE=0 ./test leaves it out)"
  if ! fc-list 2>/dev/null | grep -q "LiberationSans-Regular"; then
    wish "$lost" "${FONT_PACKAGES[@]}" || return 0
  fi
  wish "$lost" "${OFFICE_PACKAGES[@]}" || return 0
}

case $purpose in
  run) require "${RUN_PACKAGES[@]}" ;;
  test)
    require "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    german_locale
    if [[ ${ZIRF_WITH_OFFICE:-1} != 0 ]]; then
      office
    fi
    ;;
  bench) require "${RUN_PACKAGES[@]}" "${BENCH_PACKAGES[@]}" ;;
  fuzz)
    if command -v clang++ >/dev/null 2>&1; then
      require "${RUN_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
    else
      require "${RUN_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}" "${CLANG_PACKAGES[@]}"
    fi
    ;;
esac
