#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when they are missing.
# With ZIRF_WITH_OFFICE=1 it also installs LibreOffice Writer and the PDF tools that
# the report check uses; that part may fail (no office package to be had) without
# failing the build: the check then skips with a message. With ZIRF_WITH_FUZZ=1 it
# installs clang with libFuzzer for the fuzz targets (scripts/fuzz.sh).
set -euo pipefail

SUDO=""
[[ $(id -u) -ne 0 ]] && SUDO=sudo
updated=0

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  echo "installing: ${missing[*]}" >&2
  if ((updated == 0)); then
    $SUDO apt-get update -qq
    updated=1
  fi
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
}

install_missing g++ cmake make libxml2-dev libgtest-dev libgmock-dev libbenchmark-dev

# The fuzz targets (scripts/fuzz.sh) need clang with libFuzzer.
if [[ "${ZIRF_WITH_FUZZ:-0}" == 1 ]] && ! command -v clang++ >/dev/null 2>&1; then
  install_missing clang libclang-rt-14-dev
fi

if [[ "${ZIRF_WITH_OFFICE:-0}" == 1 ]]; then
  if ! install_missing libreoffice-writer-nogui poppler-utils; then
    echo "warning: LibreOffice Writer or poppler-utils could not be installed;" \
      "the report check in LibreOffice will be skipped" >&2
  fi
fi
