#!/usr/bin/env bash
# Runs one fuzz target for a given time: scripts/fuzz.sh TARGET SECONDS [libFuzzer options]
# TARGET: document (the input document through the module's entry), fragment (the
# merge of RTF fragments into the report), settings (the host's settings file),
# optionline (the host's batch option line) or textinput (the text input reader).
# Builds the targets with clang and libFuzzer (build/fuzz) first. New inputs go to
# build/fuzz/corpus/TARGET, the committed seeds in fuzz/corpus/TARGET stay as they are;
# a finding is written to build/fuzz/findings/TARGET and belongs, once mended, in
# fuzz/reproducers/TARGET.
#
#   scripts/fuzz.sh --build     # only builds every target (./test does, where clang is)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/fuzz"

# Configures build/fuzz with clang and builds the targets given. Optimised with debug
# information: a run of the module through the entry takes a few milliseconds instead of
# a tenth of a second unoptimised.
build_targets() {
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZIRF_FUZZ=ON -DZIRF_TESTS=OFF >/dev/null
  cmake --build "$build" --target "$@" -j"$(nproc)" >/dev/null
}

if [[ ${1:-} == --build ]]; then
  build_targets fuzz_document fuzz_fragment fuzz_settings fuzz_optionline fuzz_textinput
  exit 0
fi
if (($# < 2)); then
  echo "usage: scripts/fuzz.sh TARGET SECONDS [libFuzzer options] | scripts/fuzz.sh --build" >&2
  exit 2
fi
target="$1"
seconds="$2"
shift 2
case "$target" in
  document | fragment | settings | optionline | textinput) ;;
  *)
    echo "unknown fuzz target $target (document, fragment, settings, optionline, textinput)" >&2
    exit 2
    ;;
esac

"$root/scripts/install-deps.sh" fuzz
build_targets "fuzz_$target"

corpus="$build/corpus/$target"
findings="$build/findings/$target"
mkdir -p "$corpus" "$findings"
# The runs write their reports into a folder of the fuzzer's own under TMPDIR.
exec "$build/fuzz/fuzz_$target" "$corpus" "$root/fuzz/corpus/$target" \
  -dict="$root/fuzz/$target.dict" -max_total_time="$seconds" -timeout=10 \
  -rss_limit_mb=4096 -max_len=200000 -artifact_prefix="$findings/" -print_final_stats=1 "$@"
