#!/usr/bin/env bash
# What a newcomer meets on a first ./run and ./test, tried in a folder of its own with
# copies of the commands and their scripts:
#
#   tests/scripts/first-run.sh packages ROOT    # missing packages: one message naming
#                                               # them and the command, status 4
#   tests/scripts/first-run.sh build ROOT       # ./run says that it builds and how far;
#                                               # a current build says nothing
#   tests/scripts/first-run.sh configure ROOT   # the run's configuration needs none of
#                                               # the test and benchmark packages
#
# ROOT is the checkout. Prints each failed expectation and exits 1; exits 0 when all hold.
# (The stubs' texts are scripts of their own; a case's arguments split as a shell splits them.)
# shellcheck disable=SC2016,SC2086
set -euo pipefail
what=$1
root=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/first-run.XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0

fail() {
  echo "FAILED: $*"
  failed=1
}

# $1 holds $2.
expect_in() {
  [[ $1 == *"$2"* ]] || fail "$3: expected \"$2\" in:"$'\n'"$1"
}

expect_not_in() {
  [[ $1 != *"$2"* ]] || fail "$3: \"$2\" unexpected in:"$'\n'"$1"
}

expect_status() {
  [[ $1 == "$2" ]] || fail "$3: status $1, expected $2"
}

# A checkout without build/: the two commands and the scripts.
new_checkout() {
  local dir=$1
  mkdir -p "$dir"
  cp "$root/run" "$root/test" "$root/CMakePresets.json" "$dir/"
  cp -r "$root/scripts" "$dir/scripts"
}

# A PATH of every command of this one but those named: each folder of PATH mirrored by
# links, the hidden commands left out. Stubs go into $work/stubs, searched first.
path_without() {
  local farm="$work/path" dir name
  rm -rf "$farm"
  mkdir -p "$farm" "$work/stubs"
  local IFS=:
  for dir in $PATH; do
    [[ -d $dir && $dir != "$work"* ]] || continue
    ln -s "$dir"/* "$farm/" 2>/dev/null || true
  done
  unset IFS
  for name in "$@"; do
    rm -f "$farm/$name"
  done
  echo "$work/stubs:$farm"
}

stub() {
  printf '#!/bin/sh\n%s\n' "$2" >"$work/stubs/$1"
  chmod +x "$work/stubs/$1"
}

# The package check finds none of the packages named in $STUB_MISSING ("*": none at all);
# id -u says $STUB_UID; apt-get notes its calls and fails as without a package source.
package_stubs() {
  stub dpkg 'set -f; for p in $STUB_MISSING; do [ "$p" = "*" ] || [ "$p" = "$2" ] && exit 1; done; exit 0'
  stub id 'if [ "$1" = -u ]; then echo "$STUB_UID"; else exec /usr/bin/id "$@"; fi'
  stub apt-get 'echo "apt-get $*" >>"$APT_LOG"; [ "$1" = update ] && exit 0
echo "E: Unable to locate package $(echo "$@" | sed "s/.* //")" >&2; exit 100'
  stub locale 'echo de_DE.utf8'
  stub fc-list 'echo /usr/share/fonts/LiberationSans-Regular.ttf'
}

check_packages() {
  local path run_set="g++ cmake ninja-build libxml2-dev"
  local test_set="$run_set make libgtest-dev libgmock-dev libbenchmark-dev"
  local office_set="libreoffice-writer-nogui poppler-utils"
  path=$(path_without sudo apt-get dpkg id locale fc-list)
  package_stubs
  # name | uid | sudo (none, failing) | missing | command | status | the packages named
  local cases="
run-no-root-no-sudo|1000|none|*|./run examples/kragwand.xml|4|$run_set
run-quiet|1000|none|*|./run -q examples/kragwand.xml|4|$run_set
run-root-no-source|0|none|*|./run examples/kragwand.xml|4|$run_set
run-sudo-refused|1000|failing|*|./run examples/kragwand.xml|4|$run_set
test-no-root-no-sudo|1000|none|*|./test|4|$test_set
office-missing|1000|none|$office_set|scripts/install-deps.sh test|0|$office_set
office-left-out|1000|none|$office_set|env ZIRF_WITH_OFFICE=0 scripts/install-deps.sh test|0|
"
  local name uid sudo missing command status packages out got caller
  while IFS='|' read -r name uid sudo missing command status packages; do
    [[ -n $name ]] || continue
    rm -rf "$work/checkout" "$work/stubs/sudo" "$work/apt.log"
    new_checkout "$work/checkout"
    [[ $sudo == failing ]] && stub sudo 'echo "you are not in the sudoers file" >&2; exit 1'
    got=0
    out=$(cd "$work/checkout" && env PATH="$path" STUB_UID="$uid" STUB_MISSING="$missing" \
      APT_LOG="$work/apt.log" $command 2>&1 >/dev/null) || got=$?
    expect_status "$got" "$status" "$name"
    if [[ -z $packages ]]; then
      [[ -z $out ]] || fail "$name: expected no message, got:"$'\n'"$out"
      continue
    fi
    if ((status == 4)); then
      caller=${command%% *}
      expect_in "$out" "$caller needs Debian packages that are not installed: $packages" "$name"
      expect_in "$out" "(status 4: packages missing)" "$name"
    else
      expect_in "$out" "warning: $packages missing" "$name"
      expect_in "$out" "ZIRF_WITH_OFFICE=0 ./test" "$name"
    fi
    expect_in "$out" "apt-get update && apt-get install -y $packages" "$name"
    expect_not_in "$out" "command not found" "$name"
    [[ -e $work/checkout/build/release-ninja/build.ninja ]] &&
      fail "$name: a build was configured without its packages"
    if [[ $uid != 0 && $sudo == none ]]; then
      expect_in "$out" "without root and without sudo" "$name"
      [[ ! -e $work/apt.log ]] || fail "$name: apt-get was called without root"
    else
      expect_in "$out" "installing: $packages" "$name"
      expect_in "$out" "apt-get could not install them" "$name"
    fi
  done <<<"$cases"
}

# A stand-in for the project: a zirf that prints its arguments, built by the preset "release".
small_project() {
  local dir=$1
  new_checkout "$dir"
  cat >"$dir/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.20)
project(small LANGUAGES CXX)
file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/*.cpp)
add_executable(zirf ${sources})
EOF
  cat >"$dir/zirf.cpp" <<'EOF'
#include <cstdio>
int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) std::fprintf(stderr, "zirf %s\n", argv[i]);
}
EOF
}

check_build() {
  local dir="$work/checkout" out got
  small_project "$dir"
  # The packages are all there.
  mkdir -p "$work/stubs"
  stub dpkg 'exit 0'
  local path="$work/stubs:$PATH"
  run_in() {
    (cd "$dir" && env PATH="$path" "$@")
  }

  # The first call configures and builds, then runs.
  out=$(run_in ./run a.xml 2>&1 >/dev/null)
  expect_in "$out" "configuring the release build in build/release-ninja" "first call"
  expect_in "$out" "building zirf (release build in build/release-ninja)" "first call"
  expect_in "$out" "[2/2] Linking CXX executable zirf" "first call"
  [[ $out == *$'\n'"zirf a.xml" ]] || fail "first call: the run's lines come last:"$'\n'"$out"

  # A current build says nothing.
  out=$(run_in ./run a.xml 2>&1 >/dev/null)
  [[ $out == "zirf a.xml" ]] || fail "current build: expected only the run's line, got:"$'\n'"$out"

  # A changed source is built again: said, unless -q; -q as the value of -o is no -q.
  local args expect
  while IFS='|' read -r args expect; do
    [[ -n $args ]] || continue
    touch "$dir/zirf.cpp"
    out=$(run_in ./run $args 2>&1 >/dev/null)
    if [[ $expect == shown ]]; then
      expect_in "$out" "building zirf" "./run $args"
      expect_in "$out" "[1/2] Building CXX object" "./run $args"
    else
      [[ $out == "zirf ${args// /$'\n'zirf }" ]] || fail "./run $args: expected only the run's lines, got:"$'\n'"$out"
    fi
  done <<<"
a.xml|shown
-q a.xml|quiet
-o -q a.xml|shown
--settings -q a.xml|shown
"

  # On a terminal Ninja's status is one line, drawn again in place.
  touch "$dir/zirf.cpp"
  out=$(cd "$dir" && env PATH="$path" script -qec "./run a.xml" /dev/null </dev/null)
  expect_in "$out" "building zirf" "terminal"
  expect_in "$out" $'\r\033[K[1/2] Building CXX object' "terminal"
  expect_in "$out" $'\r\033[K[2/2] Linking CXX executable zirf' "terminal"
  expect_not_in "$out" $'\n[1/2]' "terminal"

  # A build that fails shows why and ends with status 2, quiet or not.
  echo "this is no C++" >>"$dir/zirf.cpp"
  for args in "a.xml" "-q a.xml"; do
    got=0
    out=$(run_in ./run $args 2>&1 >/dev/null) || got=$?
    expect_status "$got" 2 "failed build, ./run $args"
    expect_in "$out" "error:" "failed build, ./run $args"
    expect_not_in "$out" "zirf a.xml" "failed build, ./run $args"
  done
}

check_configure() {
  local out got
  # The run's configuration with CMake forbidden to look for the test and benchmark
  # packages (the preset does so): it configures, and nothing of it names them.
  out=$(cmake -S "$root" --preset release -B "$work/release" --no-warn-unused-cli 2>&1) ||
    fail "the release preset does not configure:"$'\n'"$out"
  if grep -qiE 'gtest|gmock|benchmark' "$work/release/build.ninja" 2>/dev/null; then
    fail "the release build uses a test or benchmark package"
  fi
  # The same with the tests or the benchmarks on must fail: the check has teeth.
  local option package
  while read -r option package; do
    [[ -n $option ]] || continue
    rm -rf "$work/other"
    got=0
    out=$(cmake -S "$root" --preset release -B "$work/other" "-D$option=ON" 2>&1) || got=$?
    [[ $got != 0 ]] || fail "$option=ON configured although $package was not to be looked for"
    expect_in "$out" "$package" "$option=ON"
  done <<<"
ZIRF_BENCH benchmark
ZIRF_TESTS GTest
"
}

case $what in
  packages) check_packages ;;
  build) check_build ;;
  configure) check_configure ;;
  *)
    echo "usage: tests/scripts/first-run.sh packages|build|configure ROOT" >&2
    exit 2
    ;;
esac
((failed == 0)) && echo "first run ($what): every expectation holds"
exit "$failed"
