#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
# Builds and runs the gallery. With a display it opens the window; without one
# it writes one screenshot per style to build/screenshots and exits.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQZ8_BUILD_GALLERY=ON
cmake --build build-release --target gallery -j "$(nproc)"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build-release/apps/gallery/gallery "$@"
else
  export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"; chmod 700 "$XDG_RUNTIME_DIR"
  QT_QPA_PLATFORM=offscreen build-release/apps/gallery/gallery --screenshots build-release/screenshots "$@"
  echo "Screenshots written to build-release/screenshots"
fi
