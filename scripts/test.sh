#!/usr/bin/env bash
# Builds and runs every test twice: a warnings-as-errors developer build,
# then an AddressSanitizer + UndefinedBehaviorSanitizer build of the same
# tests; then the packager's build and install checked from outside; then a
# short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
# Programs run while building (the icon-drawing tool) are not checked for
# leaks; the tests are (below), with only the libraries' one-time
# allocations of scripts/lsan.supp suppressed.
export ASAN_OPTIONS=detect_leaks=0
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"; chmod 700 "$XDG_RUNTIME_DIR"
jobs=$(nproc)

# The tree stays formatted.
bash scripts/format-check.sh

# A developer build: the private hooks the tests reach are exported.
dev=(-DQZ8_DEVELOPER_BUILD=ON -DBUILD_TESTING=ON -DQZ8_BUILD_GALLERY=ON)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQZ8_WERROR=ON "${dev[@]}" \
  -DQZ8_BUILD_BENCH=ON -DQZ8_BUILD_DOCS=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

# The Windows branches, checked by a cross compiler (syntax only).
bash scripts/windows-check.sh

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQZ8_SANITIZE=ON "${dev[@]}" \
  -DQZ8_BUILD_BENCH=OFF -DQZ8_BUILD_DOCS=OFF
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

# The packager's build (Release, defaults, no test tools) installed and used
# by tools of CMake's and pkg-config's kind. A step of its own: it builds the
# library once more.
bash scripts/package-check.sh

# A short run of every fuzz target (longer runs: scripts/fuzz.sh SECONDS).
bash scripts/fuzz.sh 15
