#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) and runs each
# for SECONDS (default 20) from seeds made by the project's own tools.
#   scripts/fuzz.sh [SECONDS]
# Works on its own from a fresh clone: it installs what is missing and
# builds the seed-making tool in the main build (build/) when needed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
export QT_QPA_PLATFORM=offscreen
bash scripts/setup.sh
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQZ8_WERROR=ON > /dev/null
fi
cmake --build build --target qz8-imagelists > /dev/null
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQZ8_FUZZ=ON > /dev/null
cmake --build build-fuzz -j "$(nproc)"

seeds=build-fuzz/seeds
rm -rf "$seeds"
mkdir -p "$seeds/icon" "$seeds/imagelist" "$seeds/marked" "$seeds/ini" "$seeds/form_state" "$seeds/window_geometry" \
  "$seeds/filters" "$seeds/properties" "$seeds/layouts" "$seeds/form_state_check" "$seeds/command_line"
build/tools/qz8-imagelists draw-icons "$seeds/drawn" > /dev/null
build/tools/qz8-imagelists build "$seeds/drawn/icons.lst" "$seeds/lists" > /dev/null
cp "$seeds"/drawn/{open,info}.ico "$seeds/icon/"
cp "$seeds"/lists/ImageListMain16.res "$seeds/imagelist/"
cp fuzz/seeds/marked/* "$seeds/marked/"
cp fuzz/seeds/ini/* "$seeds/ini/"
cp fuzz/seeds/ini/* "$seeds/form_state/"
cp fuzz/seeds/window_geometry/* "$seeds/window_geometry/"
cp fuzz/seeds/filters/* "$seeds/filters/"
cp fuzz/seeds/properties/* "$seeds/properties/"
cp fuzz/seeds/layouts/* "$seeds/layouts/"
cp fuzz/seeds/command_line/* "$seeds/command_line/"
cp fuzz/seeds/ini/* fuzz/seeds/layouts/* tests/settings/data/*.ini "$seeds/form_state_check/"

status=0
for target in icon imagelist marked_text ini form_state window_geometry filters properties layouts form_state_check \
  command_line; do
  corpus="$seeds/${target%_text}"
  work="build-fuzz/corpus-$target"
  artifacts="build-fuzz/artifacts-$target/"
  mkdir -p "$work" "$artifacts"
  echo "== fuzz_$target for ${seconds}s"
  # A finding ends the run with a non-zero exit and leaves its input in
  # the artifacts folder.
  set +e
  ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -rss_limit_mb=4096 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="$artifacts" "$work" "$corpus" > "build-fuzz/fuzz_$target.log" 2>&1
  rc=$?
  set -e
  grep -E "stat::number_of_executed_units|ERROR|SUMMARY" "build-fuzz/fuzz_$target.log" || true
  if [ "$rc" -ne 0 ]; then
    echo "fuzz_$target found a problem (exit $rc); see build-fuzz/fuzz_$target.log and $artifacts"
    status=1
  fi
done
exit "$status"
