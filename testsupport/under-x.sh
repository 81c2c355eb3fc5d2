#!/usr/bin/env bash
# Runs a test program on Qt's X platform, in an X server of its own (Xvfb),
# for what the offscreen platform lacks (the primary selection).
# Usage: under-x.sh <program> [arguments...]. Exits 77 (skipped) without Xvfb.
set -euo pipefail
command -v Xvfb >/dev/null || { echo "skipped: Xvfb is missing"; exit 77; }

work="$(mktemp -d)"
xvfb=""
finish() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "the X server did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb "$@"
