#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
# SPDX-License-Identifier: MIT
# Runs a command as a Wayland client of a private Weston (headless back end,
# pixman renderer), then stops the compositor.
#   with-weston.sh <command...>
#   with-weston.sh --shot <out.png> <command...>   also takes a screenshot of
#     the compositor's output a few seconds after the command started, then
#     stops the command (which is expected to keep running until then)
set -u
shot=""
if [ "${1:-}" = "--shot" ]; then
  shot=$2
  shift 2
fi
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket="wayland-qz8-$$"
debug=()
[ -n "$shot" ] && debug=(--debug) # the screenshooter protocol
# QZ8_WESTON_SHELL picks the shell (weston's --shell), desktop-shell.so by default.
XDG_RUNTIME_DIR=$runtime weston --shell="${QZ8_WESTON_SHELL:-desktop-shell.so}" --backend=headless-backend.so --use-pixman --socket="$socket" \
  --width=1600 --height=1000 --idle-time=0 "${debug[@]}" > "$runtime/weston.log" 2>&1 &
weston=$!
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2> /dev/null
  kill "$weston" 2> /dev/null
  wait "$weston" 2> /dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT
for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && break
  sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
  echo "weston did not start:" >&2
  cat "$runtime/weston.log" >&2
  exit 1
fi
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
unset DISPLAY
if [ -z "$shot" ]; then
  "$@"
  exit $?
fi
"$@" &
app=$!
sleep "${QZ8_SHOT_DELAY:-5}"
if ! kill -0 "$app" 2> /dev/null; then
  echo "the command ended before the screenshot" >&2
  exit 1
fi
folder=$(mktemp -d)
(cd "$folder" && timeout 20 weston-screenshooter) || { echo "weston-screenshooter failed" >&2; exit 1; }
taken=$(ls "$folder"/*.png 2> /dev/null | head -1)
[ -n "$taken" ] || { echo "no screenshot was written" >&2; exit 1; }
mkdir -p "$(dirname "$shot")"
mv "$taken" "$shot"
rmdir "$folder"
echo "screenshot: $shot"
