# Sourced by the game's end-to-end scripts, after testsupport/e2e.sh and with
# $bundle, $matcher (FoodMatch) and $shots set: the board's places, the mouse
# on them and what the screen shows there. Places are in design units; where
# the program has scaled itself down ($scale below 1), each is taken to the
# screen pixel that shows it.
scale=${scale:-1}
box_x=(45 352 656)
box_y=(173 166 173)

# Screen pixels of that many design units; the screen point of a point of the
# content found by content_of.
px() { awk -v units="$1" -v scale="$scale" 'BEGIN { printf "%d", units * scale + 0.5 }'; }
at() { echo "$((ox + $(px "$1"))) $((oy + $(px "$2")))"; }

# Sets ox, oy to where the content of the window (of that designed height,
# below its menu bar) is on the screen.
content_of() {
  window_area "$1"
  ox=$win_x
  oy=$((win_y + win_h - $(px "$2")))
}

click() { xdotool mousemove $(at "$1" "$2") click 1; sleep 0.5; }
press() { xdotool mousemove $(at "$1" "$2") mousedown 1; }
shot() { import -window root "$shots/$1.png"; }
# What the screen shows in that rectangle of the content, as a checksum.
look() {
  convert "$shots/$1.png" -crop "$(px "$4")x$(px "$5")+$((ox + $(px "$2")))+$((oy + $(px "$3")))" +repage \
    -format '%#' info:
}
# The food FoodMatch finds there on the board; a scaled board is brought back
# to its design size first.
food_at() {
  if [ "$scale" = 1 ]; then
    QT_QPA_PLATFORM=offscreen "$matcher" "$bundle" "$shots/$1.png" "$ox" "$oy" "${@:2}" 2>/dev/null
    return
  fi
  convert "$shots/$1.png" -crop "$(px 1000)x$(px 800)+$ox+$oy" +repage -resize '1000x800!' "$work/board.png"
  QT_QPA_PLATFORM=offscreen "$matcher" --scaled "$bundle" "$work/board.png" 0 0 "${@:2}" 2>/dev/null
}
# A new screenshot under that name until the food shows there (a slow
# program, under the sanitizers, may take a while to draw).
food_shown() {
  local name=$1
  for _ in $(seq 20); do
    shot "$name"
    if food_at "$@"; then return 0; fi
    sleep 0.5
  done
  return 1
}

# Moves the held mouse in steps, as a hand does, between points of the board.
glide() {
  local step
  for step in $(seq 1 12); do
    xdotool mousemove $(at "$(($1 + ($3 - $1) * step / 12))" "$(($2 + ($4 - $2) * step / 12))")
    sleep 0.04
  done
  sleep 0.4
}
