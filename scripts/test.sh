#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
# Builds and runs every test, on both Qts a user has:
#  - Qt 6.4 (this Debian 12 machine): one developer build with warnings as
#    errors, AddressSanitizer and UndefinedBehaviorSanitizer, the docs, the
#    benchmarks and the gallery, and every test (leaks checked);
#  - the Windows branches, checked by a cross compiler;
#  - the packager's build, installed and used from outside;
#  - Qt 6.8 LTS (a Debian 13 root, scripts/test-on-debian13.sh): the
#    developer build with warnings as errors, every test, the Designer
#    plugin and the installed package;
#  - a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
# Programs run while building (the icon-drawing tool) are not checked for
# leaks; the tests are (below), with only the libraries' one-time
# allocations of scripts/lsan.supp suppressed.
export ASAN_OPTIONS=detect_leaks=0
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"; chmod 700 "$XDG_RUNTIME_DIR"
jobs=$(nproc)

# The tree stays formatted, and every file names its licence (REUSE).
bash scripts/format-check.sh
reuse lint

# The developer build: the private hooks the tests reach are exported.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQZ8_WERROR=ON -DQZ8_SANITIZE=ON \
  -DQZ8_DEVELOPER_BUILD=ON -DBUILD_TESTING=ON -DQZ8_BUILD_GALLERY=ON -DQZ8_BUILD_BENCH=ON -DQZ8_BUILD_DOCS=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" | tee build-asan/ctest.log
qt64=$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/[+~-].*//')

# The Windows branches, checked by a cross compiler (syntax only).
bash scripts/windows-check.sh

# The packager's build (Release, defaults, no test tools) installed and used
# by tools of CMake's and pkg-config's kind. A step of its own: it builds the
# library once more.
bash scripts/package-check.sh

# Qt 6.8 LTS, in a Debian 13 root.
mkdir -p build-debian13
bash scripts/test-on-debian13.sh | tee build-debian13/summary.log

# A short run of every fuzz target (longer runs: scripts/fuzz.sh SECONDS).
bash scripts/fuzz.sh 15

count() { sed -n 's/.*tests passed, [0-9]* tests failed out of \([0-9]*\).*/\1/p' "$1"; }
echo "Qt ${qt64}: $(count build-asan/ctest.log) tests passed (sanitizers on)"
tail -1 build-debian13/summary.log
echo "the test command took $(( ($(date +%s) - started) / 60 )) min"
