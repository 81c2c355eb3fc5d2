#!/usr/bin/env bash
# Installs the build into a prefix of its own, checks what a desktop needs there
# (the nubrello command, the desktop entry, the icon at every size), moves the
# prefix elsewhere and starts the game through a link to its command on the
# PATH, in an X server of its own, until the board has painted once.
# Usage: InstallTest.sh <cmake> <build folder> <WritePreferences program>.
# Exits 77 (skipped) without Xvfb.
set -euo pipefail

cmake="$1"
build="$2"
writeprefs="$3"
for tool in Xvfb identify; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done

work="$(mktemp -d)"
xvfb=""
finish() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# Named, the component writes its own manifest and leaves the build's
# install_manifest.txt, the list of the user's own install, alone.
"$cmake" --install "$build" --prefix "$work/prefix" --component Unspecified >"$work/install.log" ||
  { cat "$work/install.log"; fail "the install"; }

[ -x "$work/prefix/bin/nubrello" ] || fail "no nubrello command in bin/"
[ -x "$work/prefix/Nubrello/bin/Nubrello" ] || fail "no program in the bundle"
[ -f "$work/prefix/Nubrello/Plugins/KWXFonts.so" ] || fail "no plug-in in the bundle"
[ -f "$work/prefix/share/applications/nubrello.desktop" ] || fail "no desktop entry"
icons="$work/prefix/share/icons/hicolor"
for size in 48 64 128 256; do
  icon="$icons/${size}x$size/apps/nubrello.png"
  [ -f "$icon" ] || fail "no icon at $size pixels"
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x$size" ] || fail "the $size-pixel icon is $(identify -format '%wx%h' "$icon")"
done
grep -q '<svg' "$icons/scalable/apps/nubrello.svg" 2>/dev/null || fail "no scalable icon"

# Wherever the prefix lies: moved, and started through a link on the PATH.
mv "$work/prefix" "$work/moved"
mkdir -p "$work/path"
ln -s "$work/moved/bin/nubrello" "$work/path/nubrello"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "the X server did not start"

# Preferences saved once, so that the first window is the board, not the editor.
mkdir -p "$work/home" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
"$writeprefs" "$work/config/NubrelloPrefs" 0.5 1 1
status=0
(
  cd /
  env -u QT_QPA_PLATFORM DISPLAY=":$(cat "$work/display")" PATH="$work/path:$PATH" HOME="$work/home" \
    XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" RB_QUIT_AT_FIRST_PAINT=1 \
    timeout 60 nubrello
) >"$work/game.log" 2>&1 || status=$?
cat "$work/game.log"
[ "$status" -eq 0 ] || fail "the installed nubrello ended with status $status before its board painted"
if grep -q '^rb: unhandled' "$work/game.log"; then fail "the installed game raised an exception"; fi
echo "the installed nubrello painted its board"
