#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
# Runs the gallery on a private X server with the AT-SPI bus of a private
# session bus (run under dbus-run-session), then reads its accessible tree
# as a screen reader does.   with-atspi.sh <gallery> <probe.py>
set -u
gallery=$1 probe=$2
display=":$((100 + RANDOM % 800))"
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
# The bus's registry generates key and mouse events for the probe (XTest):
# it, the window and the probe share the private display.
export DISPLAY=$display
sleep 0.5
"${QZ8_ATSPI_LAUNCHER:-/usr/libexec/at-spi-bus-launcher}" --launch-immediately > /dev/null 2>&1 &
launcher=$!
runtime=$(mktemp -d)
cleanup() { kill "$app" "$launcher" "$xvfb" 2> /dev/null; rm -rf "$runtime"; }
trap cleanup EXIT
sleep 1
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_RUNTIME_DIR=$runtime \
  XDG_CONFIG_HOME=$runtime "$gallery" > /dev/null 2>&1 &
app=$!
timeout 90 /usr/bin/python3 "$probe"
