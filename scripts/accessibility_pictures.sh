#!/usr/bin/env bash
# Takes the pictures of docs/accessibility.md: the showcase level in the real
# game on a virtual X server, at the default zoom, at the smallest zoom and
# with the drawing surface open, each followed by how it looks with
# deuteranopia, protanopia and tritanopia.
#
# Usage: bash scripts/accessibility_pictures.sh [display-number]
# Needs a configured build/ with crumbleford-test-data and
# crumbleford-colour-sim built. Do not run it while the GL tests run: both
# fill build/test-data/.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
display=":${1:-16}"
out="$root/docs/accessibility"
data="$build/test-data"
game_bin="$build/tests/crumbleford-test-data"
sim_bin="$build/crumbleford-colour-sim"
for bin in "$game_bin" "$sim_bin"; do
  [[ -x $bin ]] || { echo "missing $bin: build it first" >&2; exit 1; }
done

home=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$home"
}
trap cleanup EXIT

# The test-data game reads its levels from build/test-data/: our showcase.
rm -rf "$data"
mkdir -p "$data/textures"
cp "$build/stage/textures/cf_2048.png" "$data/textures/"
cp -r "$out/data/maps" "$data/"
# The game keeps progress only if the file exists already.
mkdir -p "$home/.crumbleford"
: >"$home/.crumbleford/passed_levels"

Xvfb "$display" -screen 0 800x480x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1
export DISPLAY="$display"
HOME="$home" "$game_bin" >"$home/game.log" 2>&1 &
pids+=($!)
# Without a window manager nobody gives the window the focus, and game
# scenes repaint only while they have it. The game logs when it gets it.
focused=""
for _ in $(seq 60); do
  if grep -q "focus IN" "$home/game.log"; then
    focused=yes
    break
  fi
  window=$(xdotool search --name '^crumbleford-test-data$' 2>/dev/null | head -n 1) || true
  [[ -n $window ]] && xdotool windowfocus "$window" 2>/dev/null || true
  sleep 0.5
done
[[ -n $focused ]] || { echo "the game window never got the focus" >&2; cat "$home/game.log" >&2; exit 1; }
sleep 2 # the main menu's first frames

tap() { xdotool keydown "$1"; sleep 0.08; xdotool keyup "$1"; sleep 0.15; }
shot() { import -window root "$out/$1.png"; }

xdotool mousemove 710 240 click 1 # the main menu's play button
sleep 1.5
tap space # the map character stands in the showcase's door
sleep 1.5
shot level
tap p
sleep 0.8
shot level-drawing
tap p
for _ in 1 2 3 4 5; do tap a; done
sleep 0.8
shot level-smallest-zoom

for picture in level level-drawing level-smallest-zoom; do
  for d in deuteranopia protanopia tritanopia; do
    "$sim_bin" "$d" "$out/$picture.png" "$out/$picture-$d.png"
  done
done
echo "pictures written to $out"
