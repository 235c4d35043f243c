#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
# Runs a command with QZ8_TEST_DEAD_MOUNT naming a FUSE mount whose lookups
# never answer. Where FUSE cannot be mounted (no /dev/fuse, no permission),
# the command runs without it and its test skips itself.
set -uo pipefail
helper=$1
shift
dir=$(mktemp -d)
mkdir "$dir/mnt"
"$helper" "$dir/mnt" -f & pid=$!
for _ in $(seq 50); do mountpoint -q "$dir/mnt" && break; sleep 0.1; done
if mountpoint -q "$dir/mnt"; then
  export QZ8_TEST_DEAD_MOUNT="$dir/mnt"
else
  echo "FUSE cannot be mounted here: the dead-mount test is not run" >&2
fi
# A process whose threads still wait in the mount stays a zombie until the
# file system goes: once the command's main thread is done (or it is gone),
# the file system is ended, which ends those lookups.
"$@" & cmd=$!
while state=$(awk '{print $3}' "/proc/$cmd/stat" 2>/dev/null) && [ "$state" != Z ]; do sleep 0.2; done
kill -KILL "$pid" 2>/dev/null
wait "$cmd"
rc=$?
fusermount3 -uz "$dir/mnt" 2>/dev/null || umount -l "$dir/mnt" 2>/dev/null
wait "$pid" 2>/dev/null
rm -rf "$dir"
exit $rc
