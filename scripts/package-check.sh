#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
# The library as a packager builds and installs it, checked as a tool uses it:
#  - configured with the defaults and with GoogleTest, Google Benchmark and
#    Doxygen out of reach; asking for tests, benchmarks and docs then
#    switches them off with a message instead of failing;
#  - built (Release), installed into a fresh prefix; its exports are the
#    public API only (no test hook);
#  - a tool built with find_package, every installed header compiled alone,
#    the examples, the Designer plugin and the developer tools run from the
#    prefix (tests/consumer/check.cmake); a tool built with pkg-config.
# Run by scripts/test.sh as a step of its own: it builds the library once
# more, which no per-test timer should have to guess.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build-package
no_tools=(-DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
          -DCMAKE_DISABLE_FIND_PACKAGE_Doxygen=ON)

# Asked for, the parts whose tools are missing switch off with a message.
rm -rf "$out/asked"
log=$(cmake -S . -B "$out/asked" -G Ninja "${no_tools[@]}" -DQZ8_DEVELOPER_BUILD=ON -DBUILD_TESTING=ON \
        -DQZ8_BUILD_BENCH=ON -DQZ8_BUILD_DOCS=ON 2>&1) || { echo "$log"; echo "configure failed without the test tools"; exit 1; }
for part in "GoogleTest not found" "Google Benchmark not found" "Doxygen not found"; do
  grep -q "$part" <<<"$log" || { echo "$log"; echo "no message: $part"; exit 1; }
done
rm -rf "$out/asked"

# The packager's build: defaults, Release, with flags that warn more (a
# warning never stops it: QZ8_WERROR is off by default).
# Installed under a prefix of the user's own (below), the programs find the
# library through their run path; the /usr install further down has none.
cmake -S . -B "$out/lib" -G Ninja -DCMAKE_BUILD_TYPE=Release "${no_tools[@]}" \
  -DCMAKE_CXX_FLAGS="-Wextra -Wshadow" -DCMAKE_INSTALL_PREFIX=/usr/local > /dev/null
cmake --build "$out/lib" -j "$(nproc)"
library=$(readlink -f "$out/lib/src/libQZ8StyledListboxPack.so")
store=$(readlink -f "$out/lib/src/libQZ8FormStateStore.so")
cmake -DLIBRARY="$library" -DSTORE_LIBRARY="$store" -DSOURCE="$PWD/src" -DHOOKS=forbidden -P tests/symbols/check_exports.cmake

# A tool of CMake's kind, the headers, the examples, the plugin and the tools.
QT_QPA_PLATFORM=offscreen cmake -DBUILD_DIR="$PWD/$out/lib" -DSOURCE="$PWD/tests/consumer" -P tests/consumer/check.cmake

# A tool of pkg-config's kind, from the same prefix, moved elsewhere first:
# the .pc file finds its prefix from where it lies.
prefix="$PWD/$out/lib/package-check/prefix"
moved="$PWD/$out/moved-prefix"
rm -rf "$moved"; cp -a "$prefix" "$moved"
pcdir=$(dirname "$(find "$moved" -name QZ8StyledListboxPack.pc)")
flags=$(PKG_CONFIG_PATH="$pcdir" pkg-config --cflags --libs QZ8StyledListboxPack)
version=$(PKG_CONFIG_PATH="$pcdir" pkg-config --modversion QZ8StyledListboxPack)
# shellcheck disable=SC2086
g++ -std=c++20 -fPIC tests/consumer/pkgconfig_tool.cpp -o "$out/pkgconfig_tool" $flags
answer=$(LD_LIBRARY_PATH="$(dirname "$(find "$moved" -name 'libQZ8StyledListboxPack.so' | head -1)")" \
         QT_QPA_PLATFORM=offscreen "$out/pkgconfig_tool")
[[ "$answer" == "built against $version, runs with $version, rows 2" ]] || {
  echo "the pkg-config tool said: $answer (expected version $version)"; exit 1; }

# Installed for a distribution (prefix /usr, staged with DESTDIR), no
# library, plugin or program carries a RUNPATH (the build tree's keep theirs).
cmake -S . -B "$out/lib" -DCMAKE_INSTALL_PREFIX=/usr > /dev/null
cmake --build "$out/lib" -j "$(nproc)" > /dev/null
rm -rf "$out/distro"
DESTDIR="$PWD/$out/distro" cmake --install "$out/lib" > /dev/null
libs=$(find "$out/distro" -type f \( -name '*.so*' -o -path '*/bin/*' \))
[[ "$libs" == *libQZ8StyledListboxPack.so.* && "$libs" == *bin/qz8-formstate* ]] || {
  echo "the staged install lacks the library or the tools"; exit 1; }
for lib in $libs; do
  ! readelf -d "$lib" 2>/dev/null | grep -qE "RUNPATH|RPATH" || { echo "$lib carries a RUNPATH"; exit 1; }
done
# A tool built with a standard older than C++20 stops at once, with one message naming it.
# shellcheck disable=SC2086
if g++ -std=c++17 -fPIC -c tests/consumer/pkgconfig_tool.cpp -o "$out/cxx17.o" $flags 2> "$out/cxx17.log"; then
  echo "a C++17 tool built against the headers"; exit 1
fi
errors=$(grep -c "error" "$out/cxx17.log" || true)
[[ "$errors" == 1 ]] && grep -q "needs C++20" "$out/cxx17.log" || {
  cat "$out/cxx17.log"; echo "a C++17 tool did not get the one message naming C++20"; exit 1; }

# The version policy: while the major version is 0, each minor release has
# its own SONAME, and find_package accepts the same minor version only.
soname=$(readelf -d "$library" | sed -n 's/.*SONAME.*\[\(.*\)\]/\1/p')
IFS=. read -r major minor _ <<<"$version"
[[ "$major" != 0 || "$soname" == "libQZ8StyledListboxPack.so.$major.$minor" ]] || {
  echo "SONAME $soname does not name the minor version $major.$minor"; exit 1; }
probe="$out/version-probe"
mkdir -p "$probe"
cat > "$probe/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(version_probe CXX)
find_package(QZ8StyledListboxPack ${WANTED} CONFIG QUIET)
message(STATUS "found=${QZ8StyledListboxPack_FOUND} ${QZ8StyledListboxPack_NOT_FOUND_MESSAGE}")
CMAKE
later="$major.$((minor + 1))"
for wanted in "$major.$minor:1" "$later:0"; do
  found=$(cmake -S "$probe" -B "$probe/b-${wanted%%:*}" -DWANTED="${wanted%%:*}" -DCMAKE_PREFIX_PATH="$moved" |
          sed -n "s/^-- found=\([01]\).*/\1/p")
  [[ "$found" == "${wanted##*:}" ]] || { echo "find_package(... ${wanted%%:*}) found=$found"; exit 1; }
done
# A Qt older than 6.4 first on the path: refused, with a message naming it.
oldqt="$PWD/$probe/qt-6.2"
fakeqt="$oldqt/lib/cmake/Qt6"
mkdir -p "$fakeqt"
printf 'set(Qt6_VERSION 6.2.4)\nset(Qt6_FOUND TRUE)\n' > "$fakeqt/Qt6Config.cmake"
cat > "$fakeqt/Qt6ConfigVersion.cmake" <<'CMAKE'
set(PACKAGE_VERSION 6.2.4)
set(PACKAGE_VERSION_COMPATIBLE TRUE)
CMAKE
refusal=$(cmake -S "$probe" -B "$probe/b-old-qt" -DWANTED="$major.$minor" -DCMAKE_PREFIX_PATH="$oldqt;$moved" 2>&1 | tr '\n' ' ')
[[ "$refusal" == *"found=0"* && "$refusal" == *"needs Qt 6."*"found Qt 6.2.4"* ]] || {
  echo "an older Qt was not refused by name: $refusal"; exit 1; }
echo "package check ok: $answer; SONAME $soname; no RUNPATH under /usr; C++17 stopped; find_package $later refused; Qt 6.2 refused"
