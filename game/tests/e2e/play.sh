#!/usr/bin/env bash
# Plays Nubrello end to end as a player would: the built program in a real X
# server (Xvfb), the real mouse (xdotool), screenshots (ImageMagick's import).
# A game of three items, each dragged onto its own box; the end window; New
# Game; the main window's close box; Quit in the confirmation; exit status 0.
# The close box's message is sent as a window manager does. Under
# E2E_WINDOW_MANAGER=openbox the game runs under that window manager: every
# window, with its frame, lies inside the screen, and the main window stays
# where it was placed.
#
# Usage: play.sh <bundle folder> <FoodMatch program> <folder for the screenshots> <WritePreferences program>
# Exits 77 (skipped) when a tool it needs is missing.
set -euo pipefail

bundle=$1
matcher=$2
shots=$3
writeprefs=$4
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../../../testsupport/e2e.sh"
source "$here/board.sh"
require_tools Xvfb xdotool xwininfo import convert python3 awk

mkdir -p "$shots"
rm -f "$shots"/*.png
home="$work/home"

start_xvfb 1280x1024
start_window_manager

# Saved preferences (70 %, music on), so that the editor does not open.
mkdir -p "$home/.config"
"$writeprefs" "$home/.config/NubrelloPrefs" 0.7000000000000001 1 0
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home \
  "$bundle/bin/Nubrello" >"$game_log" 2>&1 &
game=$!

main=$(wait_window Nubrello) || fail "the main window did not appear"
sleep 1
expect_on_screen "$main" "the main window"
content_of "$main" 800
placed="$ox,$oy"
shot 01-welcome

# The welcome sheet, at the top centre of the board: three items, OK.
click 432 72
xdotool type 3
click 569 116
declare -a groups
for box in 0 1 2; do
  sample=$(food_shown 02-dealt box "$box") || fail "box $box shows no food of the catalogue"
  groups[$box]=${sample:0:1}
done
[ "$(printf '%s' "${groups[@]}" | fold -w1 | sort | tr -d '\n')" = "bfv" ] || fail "the boxes' groups are ${groups[*]}"
score=$(look 02-dealt 463 71 74 64)

for item in 1 2 3; do
  basket=$(look "1$((item - 1))-sorted" 380 525 240 190 2>/dev/null || look 02-dealt 380 525 240 190)
  click 500 640
  for _ in $(seq 20); do
    shot "1$item-served"
    [ "$(look "1$item-served" 380 525 240 190)" != "$basket" ] && break
    sleep 0.5
  done
  # Press on the item standing in the basket and lift it 300 pixels: the drag
  # image shows the whole picture there.
  press 500 650
  glide 500 650 500 350
  key=$(food_shown "1$item-dragging" drag 0 -300) || fail "item $item: the drag shows no food of the catalogue"
  target=-1
  for box in 0 1 2; do
    if [ "${groups[$box]}" = "${key:0:1}" ]; then target=$box; fi
  done
  glide 500 350 "$((box_x[target] + 150))" "$((box_y[target] + 120))"
  xdotool mouseup 1
  # A right answer: the score moves and the box shows the item (but the end
  # window, which opens at the last drop, stands over the middle box).
  for _ in $(seq 20); do
    sleep 0.5
    shot "1$item-sorted"
    now=$(look "1$item-sorted" 463 71 74 64)
    [ "$now" != "$score" ] && break
  done
  [ "$now" != "$score" ] || fail "item $item ($key) dropped on box $target, but the score did not change"
  if [ "$item" -lt 3 ]; then
    shown=$(food_shown "1$item-sorted" box "$target") || shown=none
    [ "$shown" = "$key" ] || fail "item $item ($key) dropped on box $target, which shows $shown"
  fi
  score=$now
  echo "item $item: $key sorted into box $target"
done

end=$(wait_window "We're out of food!") || fail "no end window after the last item"
sleep 0.5
expect_on_screen "$end" "the end window"
content_of "$end" 134
shot 20-end
click 136 104 # New Game
for _ in $(seq 20); do
  xdotool search --onlyvisible --name "^We're out of food!\$" >/dev/null 2>&1 || break
  sleep 0.25
done
if xdotool search --onlyvisible --name "^We're out of food!\$" >/dev/null 2>&1; then
  fail "the end window stayed after New Game"
fi
content_of "$main" 800
[ "$ox,$oy" = "$placed" ] || fail "the main window moved from $placed to $ox,$oy"
shot 21-new-game

# The main window's close box, then Quit in the confirmation (three items
# left: the count line shows and the buttons stand at 60).
python3 "$here/close_window.py" "$main"
confirmation=$(wait_window Untitled) || fail "closing the main window asked nothing"
sleep 0.5
expect_on_screen "$confirmation" "the quit confirmation"
content_of "$confirmation" 100
shot 30-confirmation
xdotool search --onlyvisible --name '^Nubrello$' >/dev/null || fail "the main window closed without asking"
click 221 70
for _ in $(seq 150); do
  kill -0 "$game" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$game" 2>/dev/null && fail "the program did not end after Quit"
status=0
wait "$game" || status=$?
game=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "played three items, New Game, closed and quit: exit status 0; screenshots in $shots"
