#!/usr/bin/env bash
# The preferences as a player meets them, in a real X server of its own: the
# first start shows the editor; Cancel stores nothing and leaves the main
# window where it was; quit, and the next start shows the editor again; tick
# the applause box, type 50, OK; quit through the File menu and the
# confirmation; the next start shows no editor and the file holds 0.5, True
# and the music setting (False). Under E2E_WINDOW_MANAGER=openbox it runs
# under that window manager, and every window lies inside the screen.
# Usage: EndToEndTest.sh <bundle folder>. Exits 77 (skipped) without Xvfb or xdotool.
set -euo pipefail

bundle="$1"
source "$(dirname "$0")/../../testsupport/e2e.sh"
require_tools Xvfb xdotool xwininfo od
start_xvfb 1280x900
start_window_manager
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
unset QT_QPA_PLATFORM
mkdir -p "$HOME"
prefs="$XDG_CONFIG_HOME/NubrelloPrefs"

start_game() {
  "$bundle/bin/Nubrello" >>"$game_log" 2>&1 &
  game=$!
  await "the main window did not appear" xdotool search --onlyvisible --name '^Nubrello$'
  sleep 1
}

visible_window() {
  xdotool search --onlyvisible --name "$1" | head -n 1
}

# Clicks at (x, y) of the window's content. With a content height the
# content stands at the bottom of the window, below its menu bar.
click_in() {
  window_area "$1"
  local top=$win_y
  [ -n "${4:-}" ] && top=$((win_y + win_h - $4))
  xdotool mousemove $((win_x + $2)) $((top + $3)) click 1
  sleep 0.3
}

quit_game() {
  click_in "$(visible_window '^Nubrello$')" 18 8  # the File menu
  xdotool key Up Return                          # its last item, Quit
  await "Quit asked nothing" xdotool search --onlyvisible --name '^Untitled$'
  expect_on_screen "$(visible_window '^Untitled$')" "the quit confirmation"
  click_in "$(visible_window '^Untitled$')" 221 50  # the confirmation's Quit
  await "the game did not quit" bash -c "! kill -0 $game"
  game=""
}

start_game
await "the first start shows no preferences editor" xdotool search --onlyvisible --name '^Preferences$'
main="$(visible_window '^Nubrello$')"
expect_on_screen "$main" "the main window"
expect_on_screen "$(visible_window '^Preferences$')" "the editor"
window_area "$main"
placed="$win_x,$win_y"
click_in "$(visible_window '^Preferences$')" 147 206 236  # Cancel
editor_closed() { [ -z "$(visible_window '^Preferences$')" ]; }
await "Cancel left the editor open" editor_closed
sleep 0.5
window_area "$main"
[ "$win_x,$win_y" = "$placed" ] || fail "the main window moved from $placed to $win_x,$win_y after Cancel"
[ ! -e "$prefs" ] || fail "Cancel wrote the preferences file"
quit_game

start_game
await "the editor did not come back after Cancel" xdotool search --onlyvisible --name '^Preferences$'
editor="$(visible_window '^Preferences$')"
click_in "$editor" 41 125 236   # "Play applause when"
click_in "$editor" 198 125 236  # the percentage field
xdotool type --delay 50 "50"
click_in "$editor" 239 206 236  # OK
await "OK wrote no preferences file" test -s "$prefs"
[ -z "$(visible_window '^Preferences$')" ] || fail "OK left the editor open"

quit_game

bytes="$(od -An -tx1 "$prefs" | tr -d ' \n')"
[ "$bytes" = "3fe00000000000000100" ] || fail "the preferences file holds $bytes"

start_game
[ -z "$(visible_window '^Preferences$')" ] || fail "the editor opened again after OK"
