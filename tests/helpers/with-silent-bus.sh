#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
# Runs a command against a session bus that never answers.
#   with-silent-bus.sh socket SILENT_BUS CMD...  the bus address is a socket
#       that takes connections and never answers (a hung or stopped bus);
#   with-silent-bus.sh handshake SILENT_BUS CMD...  the same, answering the
#       handshake and silent after it;
#   with-silent-bus.sh secrets SILENT_BUS CMD... (under dbus-run-session) a
#       process owns the Secret Service's name and never answers.
set -euo pipefail
mode=$1 helper=$2
shift 2
dir=$(mktemp -d)
pid=
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$dir"; }
trap cleanup EXIT
case $mode in
  socket|handshake) "$helper" "$mode" "$dir/bus" >"$dir/out" & pid=$!
          export DBUS_SESSION_BUS_ADDRESS="unix:path=$dir/bus" QZ8_TEST_SILENT_BUS=1 ;;
  secrets) "$helper" secrets >"$dir/out" & pid=$!
           export QZ8_TEST_SILENT_SECRETS=1 ;;
  *) echo "unknown mode $mode" >&2; exit 2 ;;
esac
for _ in $(seq 100); do grep -q ready "$dir/out" 2>/dev/null && break; sleep 0.1; done
grep -q ready "$dir/out" || { echo "silent_bus did not start" >&2; exit 1; }
"$@"
