#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
# A syntax-only pass of the Windows branches with the MinGW-w64 cross
# compiler and Qt's own headers: every file that holds Q_OS_WIN code must
# compile for Windows too, although no Windows build runs here. Then every
# installed header beside <windows.h> (tests/windows/beside_windows_h.cpp).
#   scripts/windows-check.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cxx=x86_64-w64-mingw32-g++-posix
qt=/usr/include/x86_64-linux-gnu/qt6
mapfile -t files < <(grep -rl --include='*.cpp' --include='*.h' 'Q_OS_WIN' src tools apps | sort)
status=0
# QtKeychain's headers alone (not the rest of /usr/include) for the secret
# store's module.
keychain=$(mktemp -d)
ln -s /usr/include/qt6keychain "$keychain/qt6keychain"
for f in "${files[@]}"; do
  # The library's own sources are compiled as the library (exporting).
  defs=()
  [[ "$f" == src/* ]] && defs=(-DQZ8StyledListboxPack_EXPORTS -DQZ8FormStateStore_EXPORTS)
  if "$cxx" "${defs[@]}" -std=c++20 -fsyntax-only -Wno-attributes -DQT_CORE_LIB -DQT_GUI_LIB -DQT_WIDGETS_LIB -DQT_NO_KEYWORDS \
      -I"$qt" -I"$qt/QtCore" -I"$qt/QtGui" -I"$qt/QtWidgets" -I"$qt/QtDBus" -I"$keychain" -Isrc -x c++ "$f"; then
    echo "windows syntax ok: $f"
  else
    echo "windows syntax FAILED: $f"
    status=1
  fi
done
[ "${#files[@]}" -gt 0 ] || { echo "no Q_OS_WIN code found"; status=1; }

# The installed layout (<QZ8StyledListboxPack/...>) from the source tree, with
# the version header as the build writes it.
inc=$(mktemp -d); trap 'rm -rf "$inc" "$keychain"' EXIT
mkdir -p "$inc/QZ8StyledListboxPack"
for d in src/*/; do ln -s "$PWD/$d" "$inc/QZ8StyledListboxPack/$(basename "$d")"; done
ln -s "$PWD/src/qz8_export.h" "$inc/QZ8StyledListboxPack/"
version=$(sed -n 's/^project(QZ8StyledListboxPack VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
IFS=. read -r major minor patch <<<"$version"
sed -e "s/@PROJECT_VERSION_MAJOR@/$major/;s/@PROJECT_VERSION_MINOR@/$minor/;s/@PROJECT_VERSION_PATCH@/$patch/" \
    -e "s/@PROJECT_VERSION@/$version/" cmake/qz8_version.h.in > "$inc/QZ8StyledListboxPack/qz8_version.h"
# Every header a tool can include (none private).
(cd src && find . -name '*.h' ! -name '*_p.h' | sed 's|^\./||' | sort) |
  sed 's|.*|#include <QZ8StyledListboxPack/&>|' > "$inc/installed_headers.inc"
echo "$(wc -l < "$inc/installed_headers.inc") installed headers beside <windows.h>"
for order in QZ8_WINDOWS_FIRST QZ8_LIBRARY_FIRST; do
  for variant in "" "-DWIN32_LEAN_AND_MEAN" "-DNOMINMAX" "-DWIN32_LEAN_AND_MEAN -DNOMINMAX"; do
    # shellcheck disable=SC2086
    if "$cxx" -std=c++20 -fsyntax-only -Wno-attributes -DQT_CORE_LIB -DQT_GUI_LIB -DQT_WIDGETS_LIB -DQT_NO_KEYWORDS \
        -D$order $variant -I"$qt" -I"$qt/QtCore" -I"$qt/QtGui" -I"$qt/QtWidgets" -I"$inc" \
        tests/windows/beside_windows_h.cpp; then
      echo "windows.h ok: $order ${variant:-(plain)}"
    else
      echo "windows.h FAILED: $order ${variant:-(plain)}"
      status=1
    fi
  done
done
exit "$status"
