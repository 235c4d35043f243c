#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
# Installs the Debian packages the build needs, when they are missing. Idempotent.
#   scripts/setup.sh --list build   prints the packages of the build and its
#                                   tests (what scripts/test-on-debian13.sh
#                                   installs into its Debian 13 root)
set -euo pipefail
# The build, its tests and the tests' desktop (bus, keyring, X, Wayland, AT-SPI).
build=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev
       libbenchmark-dev fonts-dejavu-core dbus-daemon dbus-session-bus-common
       qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libqt6opengl6-dev
       libxkbcommon-dev libfontconfig-dev qtkeychain-qt6-dev gnome-keyring libsecret-tools
       qt6-base-private-dev libfuse3-dev fuse3 qt6-translations-l10n
       xvfb at-spi2-core python3-pyatspi weston qt6-wayland)
# The steps that run on this machine only: fuzzers, the Windows syntax check,
# formatting, the reference docs, the Debian 13 root.
host=(clang libclang-rt-14-dev g++-mingw-w64-x86-64-posix clang-format doxygen debootstrap reuse)
if [ "${1:-}" = "--list" ]; then
  [ "${2:-}" = "build" ] || { echo "usage: $0 [--list build]" >&2; exit 2; }
  printf '%s\n' "${build[@]}"
  exit 0
fi
missing=()
for p in "${build[@]}" "${host[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
