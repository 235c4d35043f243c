#!/usr/bin/env bash
# Installs the Debian packages the build needs, when they are missing. Idempotent.
set -euo pipefail
pkgs=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev
      libbenchmark-dev fonts-dejavu-core dbus-daemon dbus-session-bus-common clang libclang-rt-14-dev
      g++-mingw-w64-x86-64-posix qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libqt6opengl6-dev
      libxkbcommon-dev libfontconfig-dev qtkeychain-qt6-dev gnome-keyring libsecret-tools
      qt6-base-private-dev libfuse3-dev fuse3 qt6-translations-l10n
      clang-format doxygen xvfb at-spi2-core python3-pyatspi weston qt6-wayland)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
