#!/usr/bin/env bash
# The display going away under the running game, as at the end of a session:
# the game ends with status 1 and one line on standard error, without an
# abort or a core file.
# Usage: display_lost.sh <bundle folder>. Exits 77 (skipped) without Xvfb or xdotool.
set -euo pipefail

bundle="$(cd "$1" && pwd)"
source "$(dirname "$0")/../../../testsupport/e2e.sh"
require_tools Xvfb xdotool
start_xvfb 1280x1024
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
unset QT_QPA_PLATFORM
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

ulimit -c unlimited
cd "$work"
game_log="$work/game.err"
"$bundle/bin/Nubrello" >"$work/game.out" 2>"$game_log" &
game=$!
await "the main window did not appear" xdotool search --onlyvisible --name '^Nubrello$'
await "the preferences editor did not appear" xdotool search --onlyvisible --name '^Preferences$'
sleep 1

kill "$xvfb"
wait "$xvfb" 2>/dev/null || true
xvfb=""
await "the game still runs after its display went away" bash -c "! kill -0 $game"
status=0
wait "$game" || status=$?
game=""

[ "$status" -eq 1 ] || fail "exit status $status, not 1"
[ "$(wc -l <"$game_log")" -eq 1 ] || fail "not one line on standard error"
grep -q "X11 connection broke" "$game_log" || fail "the line does not say the display's connection broke"
if compgen -G "$work/core*" >/dev/null; then fail "a core file was left"; fi
echo "status $status: $(cat "$game_log")"
