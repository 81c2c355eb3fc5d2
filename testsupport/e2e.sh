# Sourced by the end-to-end scripts, after `set -euo pipefail`: a work folder
# removed at the end with the game, the X server and the window manager (or
# compositor) stopped, a failure that shows the game's output ($game_log),
# waiting for a condition or a window, an X server of its own, and under
# E2E_WINDOW_MANAGER=openbox a window manager on it.

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
wm=""
finish() {
  [ -n "$game" ] && kill "$game" 2>/dev/null || true
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
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

# Under E2E_WINDOW_MANAGER=openbox, starts openbox on the display and waits
# until it manages windows (skipped without it); otherwise the bare server.
start_window_manager() {
  [ -n "${E2E_WINDOW_MANAGER:-}" ] || return 0
  [ "$E2E_WINDOW_MANAGER" = openbox ] || fail "unknown window manager '$E2E_WINDOW_MANAGER'"
  require_tools openbox xprop xwininfo
  openbox --sm-disable >"$work/wm.log" 2>&1 &
  wm=$!
  await "openbox did not start" bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'"
}

# The id of the visible window of that exact name, waiting for it.
wait_window() {
  local id
  for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Sets win_x, win_y, win_w, win_h to where the window's own area is on the
# screen (xwininfo's absolute position, right under a window manager too).
window_area() {
  local info
  info="$(xwininfo -id "$1")"
  win_x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  win_y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  win_w=$(awk '/Width:/ {print $2}' <<<"$info")
  win_h=$(awk '/Height:/ {print $2}' <<<"$info")
}

# Fails unless the window with the window manager's frame around it (title
# bar included) lies inside the screen.
expect_on_screen() {
  local left=0 right=0 top=0 bottom=0 extents screen_w screen_h
  window_area "$1"
  extents="$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p')"
  [ -n "$extents" ] && IFS=', ' read -r left right top bottom <<<"$extents"
  screen_w=$(xwininfo -root | awk '/Width:/ {print $2}')
  screen_h=$(xwininfo -root | awk '/Height:/ {print $2}')
  if [ $((win_x - left)) -lt 0 ] || [ $((win_y - top)) -lt 0 ] ||
    [ $((win_x + win_w + right)) -gt "$screen_w" ] || [ $((win_y + win_h + bottom)) -gt "$screen_h" ]; then
    fail "$2 (${win_w}x${win_h}+${win_x}+${win_y}, frame $left,$right,$top,$bottom) is not inside the ${screen_w}x${screen_h} screen"
  fi
}
