#!/usr/bin/env bash
# The first start under a Wayland compositor, as KDE Plasma and GNOME run the
# game where Qt's wayland platform is installed: weston's headless backend,
# the program on Qt's wayland platform. The protocol log shows the
# preferences editor made the transient child of the main window
# (xdg_toplevel.set_parent), and weston's screenshot shows the editor whole,
# above the board, not hidden behind it.
#
# Usage: wayland.sh <bundle folder> <folder for the screenshot and the protocol log>
# Exits 77 (skipped) without weston, weston-screenshooter, ImageMagick or Qt's
# wayland platform.
set -euo pipefail

bundle=$1
shots=$2
source "$(dirname "$0")/../../../testsupport/e2e.sh"
require_tools weston weston-screenshooter convert
plugins="$(dirname "$(find /usr/lib /usr/local/lib -path '*qt6/plugins/platforms/libqwayland-generic.so' 2>/dev/null | head -n 1)")"
[ "$plugins" != . ] || { echo "SKIPPED: Qt's wayland platform is not installed (scripts/deps installs qt6-wayland)"; exit 77; }

mkdir -p "$shots"
rm -f "$shots"/*.png "$shots"/protocol.log
export XDG_RUNTIME_DIR="$work/run" WAYLAND_DISPLAY="nubrello-e2e-$$"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# --debug lets weston-screenshooter take the screen.
weston --backend=headless-backend.so --use-pixman --debug --socket="$WAYLAND_DISPLAY" \
  --width=1600 --height=1200 >"$work/weston.log" 2>&1 &
wm=$!
await "weston did not start" test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY"

home="$work/home"
mkdir -p "$home"
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share QT_QPA_PLATFORM=wayland \
  WAYLAND_DEBUG=client "$bundle/bin/Nubrello" >"$game_log" 2>"$shots/protocol.log" &
game=$!

# The toplevel of that title, as the protocol log names it ("xdg_toplevel@14").
toplevel() {
  sed -n "s/.*-> \(xdg_toplevel@[0-9]*\)\.set_title(\"$1\").*/\1/p" "$shots/protocol.log" | tail -n 1
}
made() { [ -n "$(toplevel "$1")" ]; }
await "the main window was never made" made Nubrello
await "the first start shows no preferences editor" made Preferences
main="$(toplevel Nubrello)"
editor="$(toplevel Preferences)"
grep -q -- "-> $editor\.set_parent($main)" "$shots/protocol.log" ||
  fail "the editor ($editor) is not the transient child of the main window ($main): $(grep -- "-> $editor\.set_parent" "$shots/protocol.log" || echo 'no set_parent')"
grep -- "-> \($main\|$editor\)\.set_\(parent\|title\|min_size\|max_size\)" "$shots/protocol.log"

# The editor's content (299 x 236 below its menu bar) in the window colour,
# whole: a region of that size in one piece, which the board does not cover.
# Qt's own frame joins it to the bars above by strips a few pixels wide at
# its sides; a horizontal opening takes them away.
editor_seen() {
  (cd "$work" && rm -f wayland-screenshot*.png && weston-screenshooter >/dev/null 2>&1) || return 1
  cp "$work"/wayland-screenshot*.png "$shots/first-start.png"
  convert "$shots/first-start.png" -fill black +opaque "rgb(239,239,239)" -fill white -opaque "rgb(239,239,239)" \
    -morphology Open Rectangle:7x1 -define connected-components:verbose=true -define connected-components:area-threshold=20000 \
    -connected-components 8 null: 2>/dev/null |
    awk '$NF == "srgb(255,255,255)" { split($2, size, /[x+]/); if (size[1] >= 280 && size[1] <= 340 && size[2] >= 236 && size[2] <= 300) found = 1 }
         END { exit !found }'
}
await "the screenshot shows no editor above the board ($shots/first-start.png)" editor_seen
echo "the editor $editor is the transient child of the main window $main and is seen above the board: $shots/first-start.png"
