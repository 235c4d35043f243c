#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
# Builds and tests the library against Qt 6.8 LTS (Debian 13, GCC 14) in a
# Debian 13 root made with debootstrap, beside the Qt 6.4 of the machine:
# the developer build with warnings as errors, every test, the Designer
# plugin's load, and the packager's install used by a tool (the consumer
# check). The root is made once under build-debian13/ and reused while it
# exists; its packages follow scripts/setup.sh's list.
# Needs root (debootstrap, chroot, mounts); run by scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
src=$PWD
out=$src/build-debian13
root=$out/root
jobs=$(nproc)

SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
command -v debootstrap >/dev/null || {
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends debootstrap
}

# The mirror apt already uses on this machine (deb.debian.org otherwise).
mirror=$(sed -n 's/^URIs: *\(\S*\/debian\)$/\1/p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1)
mirror=${mirror:-http://deb.debian.org/debian}

# The packages of the build and its tests, as on the host, less the host's
# own tools (the Windows cross compiler, the fuzzers' clang, the formatter,
# Doxygen): those steps run once, on the host.
mapfile -t pkgs < <(bash scripts/setup.sh --list build)
wanted="${pkgs[*]}"

if [ ! -f "$root/.qz8-base" ]; then
  $SUDO rm -rf "$root"
  mkdir -p "$out"
  echo "Making a Debian 13 root in $root from $mirror"
  $SUDO debootstrap --variant=minbase --include=ca-certificates trixie "$root" "$mirror" > "$out/debootstrap.log" 2>&1 ||
    { tail -20 "$out/debootstrap.log"; exit 1; }
  $SUDO touch "$root/.qz8-base"
fi

# Everything below runs in a private mount namespace: the mounts into the
# root go with it, whatever way the script ends.
$SUDO unshare -m --propagation private bash -s -- "$root" "$src" "$jobs" "$wanted" <<'INSIDE'
set -euo pipefail
root=$1 src=$2 jobs=$3 wanted=$4
# The root is a mount point of its own (tests that make private mount
# namespaces need one), with the kernel's file systems and the sources.
mount --rbind "$root" "$root"
mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev"
mount --rbind /sys "$root/sys"
mount -t tmpfs tmpfs "$root/tmp"
mkdir -p "$root/qz8"
mount --bind "$src" "$root/qz8"
cp /etc/resolv.conf "$root/etc/resolv.conf"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

if [ "$(cat "$root/.qz8-packages" 2>/dev/null)" != "$wanted" ]; then
  in_root apt-get update -qq
  # shellcheck disable=SC2086
  in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $wanted > /dev/null
  echo "$wanted" > "$root/.qz8-packages"
fi

qt=$(in_root dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/[+~-].*//')
echo "Debian 13: Qt $qt, $(in_root g++ --version | head -1)"

in_root bash -s -- "$jobs" <<'BUILD'
set -euo pipefail
jobs=$1
cd /qz8
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/runtime ASAN_OPTIONS=detect_leaks=0
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
b=build-debian13/build
# Debug without debug information: the build only has to compile and run
# the tests; the host's sanitizer build is the one to debug. Weston 14's
# desktop shell crashes now and then in this root (a compositor fault, seen
# in gdb: an idle callback posting on a freed resource), so the Wayland tests
# run under its kiosk shell here (tests/CMakeLists.txt).
cmake -S . -B "$b" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 -DQZ8_WERROR=ON \
  -DQZ8_DEVELOPER_BUILD=ON -DBUILD_TESTING=ON -DQZ8_BUILD_GALLERY=ON -DQZ8_BUILD_BENCH=ON \
  -DQZ8_WESTON_SHELL=kiosk-shell.so > /dev/null
cmake --build "$b" -j "$jobs"
ctest --test-dir "$b" --output-on-failure -j "$jobs" > "$b/ctest.log" 2>&1 || { tail -200 "$b/ctest.log"; exit 1; }
# The build installed and used by a tool of CMake's kind, the headers, the
# examples, the Designer plugin (loaded by Qt 6.8's QPluginLoader and
# QUiLoader) and the tools from the prefix. (The packager's own build, with
# its exports checked, runs on the host: scripts/package-check.sh.)
cmake -DBUILD_DIR="$PWD/$b" -DSOURCE="$PWD/tests/consumer" -P tests/consumer/check.cmake
BUILD
count=$(sed -n 's/.*tests passed, [0-9]* tests failed out of \([0-9]*\).*/\1/p' "$src/build-debian13/build/ctest.log")
echo "Qt $qt: $count tests passed; the Designer plugin and the installed package checked"
INSIDE
