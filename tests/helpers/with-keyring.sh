#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
# Runs a command against a real Secret Service: run it under dbus-run-session;
# this starts a gnome-keyring on that private bus, with a login keyring of
# its own (in a throwaway home) unlocked by a throwaway password.
set -euo pipefail
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/run"
mkdir -p -m 700 "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
eval "$(printf qz8-test | gnome-keyring-daemon --unlock --components=secrets)"
export QZ8_TEST_SECRET_SERVICE=1
"$@"
