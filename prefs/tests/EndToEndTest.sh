#!/usr/bin/env bash
# The preferences as a player meets them, in a real X server of its own: the
# first start shows the editor; tick the applause box, type 50, OK; quit
# through the File menu and the confirmation; the next start shows no editor
# and the file holds 0.5, True and the music setting (False).
# Usage: EndToEndTest.sh <bundle folder>. Exits 77 (skipped) without Xvfb or xdotool.
set -euo pipefail

bundle="$1"
source "$(dirname "$0")/../../testsupport/e2e.sh"
require_tools Xvfb xdotool od
start_xvfb 1280x900
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

# Clicks at (x, y) of the window's content.
click_in() {
  local X Y WINDOW WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) click 1
  sleep 0.3
}

start_game
await "the first start shows no preferences editor" xdotool search --onlyvisible --name '^Preferences$'
editor="$(visible_window '^Preferences$')"
click_in "$editor" 41 125   # "Play applause when"
click_in "$editor" 198 125  # the percentage field
xdotool type --delay 50 "50"
click_in "$editor" 239 206  # OK
await "OK wrote no preferences file" test -s "$prefs"
[ -z "$(visible_window '^Preferences$')" ] || fail "OK left the editor open"

main="$(visible_window '^Nubrello$')"
click_in "$main" 18 8       # the File menu
xdotool key Up Return       # its last item, Quit
await "Quit asked nothing" xdotool search --onlyvisible --name '^Untitled$'
click_in "$(visible_window '^Untitled$')" 221 50  # the confirmation's Quit
await "the game did not quit" bash -c "! kill -0 $game"
game=""

bytes="$(od -An -tx1 "$prefs" | tr -d ' \n')"
[ "$bytes" = "3fe00000000000000100" ] || fail "the preferences file holds $bytes"

start_game
[ -z "$(visible_window '^Preferences$')" ] || fail "the editor opened again after OK"
