#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
# Measures what Orca (speech and braille off, its debug log read) does on the
# library's list and on QListView with N rows each (atspi_lists --rows N):
# Down, Down, End, Home in the library's list, then Tab to QListView and
# Down, Down. Run under dbus-run-session; needs Xvfb, at-spi2-core, orca and
# python3-pyatspi.
#   dbus-run-session -- orca-huge-lists.sh <atspi_lists> <rows> <out dir>
# The spoken texts with their times:  grep 'SPEECH OUTPUT' <out dir>/orca.log
set -u
lists=$1 rows=$2 out=$3
here=$(cd "$(dirname "$0")" && pwd)
key() { case $1 in Down) echo 0xff54 ;; End) echo 0xff57 ;; Home) echo 0xff50 ;; Tab) echo 0xff09 ;; esac }
press() {
  echo "$1 at $(date +%H:%M:%S.%N)" >> "$out/keys"
  /usr/bin/python3 -c "import pyatspi; pyatspi.Registry.generateKeyboardEvent($(key "$1"), None, pyatspi.KEY_SYM)"
  sleep "${STEP:-8}"
}
mkdir -p "$out" && : > "$out/keys"
display=":$((100 + RANDOM % 800))"
Xvfb "$display" -screen 0 1280x1000x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
sleep 0.5
/usr/libexec/at-spi-bus-launcher --launch-immediately > /dev/null 2>&1 &
launcher=$!
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime XDG_CONFIG_HOME=$runtime/config XDG_DATA_HOME=$runtime/data
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
cleanup() { kill "$orca" "$app" "$launcher" "$xvfb" 2> /dev/null; rm -rf "$runtime"; }
trap cleanup EXIT
sleep 1
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$lists" --rows "$rows" > "$out/app.log" 2>&1 &
app=$!
sleep 3
echo "orca at $(date +%H:%M:%S.%N)" >> "$out/keys"
/usr/bin/python3 "$here/orca_line_buffered.py" "$out/orca.log" > "$out/orca.out" 2>&1 &
orca=$!
sleep "${WAIT:-15}"
for k in Down Down End Home Tab Down Down; do press $k; done
