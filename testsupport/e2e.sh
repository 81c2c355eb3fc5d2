# Sourced by the end-to-end scripts, after `set -euo pipefail`: a work folder
# removed at the end with the game and the X server stopped, a failure that
# shows the game's output ($game_log), waiting for a condition, and an X
# server of its own.

# Exits 77 (skipped) when one of the tools is missing.
require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed (scripts/deps installs it)"; exit 77; }
  done
}

work="$(mktemp -d)"
game_log="$work/game.log"
xvfb=""
game=""
finish() {
  [ -n "$game" ] && kill "$game" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

fail() {
  echo "FAILED: $*" >&2
  echo "--- the program's output:" >&2
  cat "$game_log" >&2 2>/dev/null || true
  exit 1
}

# Runs the command every 0.2 s until it succeeds; fails after 20 s.
await() {
  local what="$1"
  shift
  for _ in $(seq 100); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  fail "$what"
}

# Starts an X server on a free display of that screen size ("1280x900") and
# makes it the DISPLAY.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb=$!
  await "the X server did not start" test -s "$work/display"
  export DISPLAY=":$(cat "$work/display")"
}
