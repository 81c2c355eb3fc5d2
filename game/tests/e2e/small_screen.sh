#!/usr/bin/env bash
# A screen smaller than the main window (1000 x 800 below its menu bar), as
# most laptops have, under openbox: the program scales itself down to fit.
# The whole main window, its title bar and menu bar included, lies inside the
# screen; typing on the welcome sheet before any click goes into its number
# box; one item is served by a click on the basket and dragged onto the box
# of its group, at the places where the scaled board shows them; the end
# window comes up inside the screen too.
#
# Usage: small_screen.sh <bundle folder> <FoodMatch program> <folder for the screenshots>
#                        <WritePreferences program> <screen size, as 1366x768>
# Exits 77 (skipped) when a tool it needs is missing.
set -euo pipefail

bundle=$1
matcher=$2
shots=$3
writeprefs=$4
size=$5
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../../../testsupport/e2e.sh"
source "$here/board.sh"
require_tools Xvfb openbox xdotool xwininfo xprop import convert awk

mkdir -p "$shots"
rm -f "$shots"/*.png "$shots"/scale.txt
home="$work/home"

start_xvfb "$size"
E2E_WINDOW_MANAGER=openbox start_window_manager

# Saved preferences, so that the editor does not open.
mkdir -p "$home/.config"
"$writeprefs" "$home/.config/NubrelloPrefs" 0.7000000000000001 1 0
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home \
  QT_LOGGING_RULES=rb.screen.debug=true "$bundle/bin/Nubrello" >"$game_log" 2>&1 &
game=$!

main=$(wait_window Nubrello) || fail "the main window did not appear"
sleep 1
grep 'rb.screen' "$game_log" >"$shots/scale.txt" || fail "the program did not say how it fits the screen"
scale=$(sed -n 's/.*: scale \([0-9.]*\)$/\1/p' "$shots/scale.txt")
awk -v scale="$scale" 'BEGIN { exit !(scale > 0 && scale < 1) }' || fail "a $size screen, but the scale is '$scale'"
echo "screen $size: scale $scale"

expect_on_screen "$main" "the main window"
content_of "$main" 800
[ "$win_w" -eq "$(px 1000)" ] || fail "the board is $win_w pixels wide on the screen, not $(px 1000)"
[ "$((oy - win_y))" -gt 10 ] || fail "no menu bar above the board"
shot 01-welcome

# Typed before any click: the number box has the keys, and Return answers.
sheet=$(look 01-welcome 372 0 256 160)
xdotool type 1
xdotool key Return
sleep 1
shot 02-answered
[ "$(look 02-answered 372 0 256 160)" != "$sheet" ] || fail "the welcome sheet stayed after typing 1 and Return"

declare -a groups
for box in 0 1 2; do
  sample=$(food_shown 03-dealt box "$box") || fail "box $box shows no food of the catalogue"
  groups[$box]=${sample:0:1}
done
score=$(look 03-dealt 463 71 74 64)
basket=$(look 03-dealt 380 525 240 190)

click 500 640
for _ in $(seq 20); do
  shot 04-served
  [ "$(look 04-served 380 525 240 190)" != "$basket" ] && break
  sleep 0.5
done
[ "$(look 04-served 380 525 240 190)" != "$basket" ] ||
  fail "a click on the basket served nothing: the 1 typed before any click did not reach the number box"

press 500 650
glide 500 650 500 350
key=$(food_shown 05-dragging drag 0 -300) || fail "the drag shows no food of the catalogue"
target=-1
for box in 0 1 2; do
  if [ "${groups[$box]}" = "${key:0:1}" ]; then target=$box; fi
done
glide 500 350 "$((box_x[target] + 150))" "$((box_y[target] + 120))"
xdotool mouseup 1
echo "$key dragged onto box $target"

end=$(wait_window "We're out of food!") || fail "no end window after the one item"
sleep 0.5
shot 06-end
[ "$(look 06-end 463 71 74 64)" != "$score" ] || fail "$key dropped on box $target, but the score did not change"
expect_on_screen "$end" "the end window"
echo "one item played on a $size screen at scale $scale; screenshots in $shots"
