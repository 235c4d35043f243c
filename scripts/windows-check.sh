#!/usr/bin/env bash
# A syntax-only pass of the Windows branches with the MinGW-w64 cross
# compiler and Qt's own headers: every file that holds Q_OS_WIN code must
# compile for Windows too, although no Windows build runs here.
#   scripts/windows-check.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cxx=x86_64-w64-mingw32-g++-posix
qt=/usr/include/x86_64-linux-gnu/qt6
mapfile -t files < <(grep -rl --include='*.cpp' --include='*.h' 'Q_OS_WIN' src tools apps | sort)
status=0
for f in "${files[@]}"; do
  # The library's own sources are compiled as the library (exporting).
  defs=()
  [[ "$f" == src/* ]] && defs=(-DQZ8StyledListboxPack_EXPORTS)
  if "$cxx" "${defs[@]}" -std=c++20 -fsyntax-only -Wno-attributes -DQT_CORE_LIB -DQT_GUI_LIB -DQT_WIDGETS_LIB -DQT_NO_KEYWORDS \
      -I"$qt" -I"$qt/QtCore" -I"$qt/QtGui" -I"$qt/QtWidgets" -I"$qt/QtDBus" -Isrc -x c++ "$f"; then
    echo "windows syntax ok: $f"
  else
    echo "windows syntax FAILED: $f"
    status=1
  fi
done
[ "${#files[@]}" -gt 0 ] || { echo "no Q_OS_WIN code found"; status=1; }
exit "$status"
