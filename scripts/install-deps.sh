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

install_missing g++ cmake make ninja-build libxml2-dev libgtest-dev libgmock-dev libbenchmark-dev

# A German locale, so that the test of number formatting under a process locale with a
# decimal comma runs. Generated with localedef (no edit of /etc/locale.gen needed).
has_german_locale() {
  locale -a 2>/dev/null | grep -qiE '^de_DE\.utf-?8$'
}

install_german_locale() {
  has_german_locale && return 0
  install_missing locales || return 1
  $SUDO localedef -i de_DE -c -f UTF-8 de_DE.UTF-8 2>/dev/null || true
  has_german_locale
}

# The fuzz targets (scripts/fuzz.sh) need clang with libFuzzer.
if [[ "${ZIRF_WITH_FUZZ:-0}" == 1 ]] && ! command -v clang++ >/dev/null 2>&1; then
  install_missing clang libclang-rt-14-dev
fi

if [[ "${ZIRF_WITH_OFFICE:-0}" == 1 ]]; then
  # The pictures measure their texts with the widths of Liberation Sans, the face
  # LibreOffice shows in place of Arial (scripts/gen-text-metrics.py reads it too).
  if ! fc-list 2>/dev/null | grep -q "LiberationSans-Regular"; then
    install_missing fonts-liberation || echo "warning: fonts-liberation could not be installed" >&2
  fi
  if ! install_missing libreoffice-writer-nogui poppler-utils; then
    echo "warning: LibreOffice Writer or poppler-utils could not be installed;" \
      "the report check in LibreOffice will be skipped" >&2
  fi
  if ! install_german_locale; then
    echo "warning: the German locale de_DE.UTF-8 could not be generated;" \
      "the number formatting test under it will be skipped" >&2
  fi
fi
