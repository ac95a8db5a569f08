#!/usr/bin/env bash
# Saves what the X server shows of every scene, at 800x480 and 1920x1080,
# at the default block size and the smallest zoom, into one directory: run
# it before and after a change to the drawing code and compare the two
# directories; not one pixel may differ.
#   bash scripts/frame_pictures.sh DIR          (after a build with the tools)
#   bash scripts/frame_pictures.sh --compare BEFORE AFTER
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh

if [ "${1:-}" = --compare ]; then
    [ $# -eq 3 ] || { echo "usage: $0 --compare BEFORE AFTER" >&2; exit 2; }
    differing=0
    for a in "$2"/*.png; do
        b="$3/$(basename "$a")"
        # ImageMagick prints the count of differing pixels on stderr.
        n=$(compare -metric AE "$a" "$b" null: 2>&1 || true)
        echo "$(basename "$a" .png): $n pixels differ"
        [ "$n" = 0 ] || differing=$((differing + 1))
    done
    echo "$differing pictures differ"
    [ "$differing" -eq 0 ]
    exit
fi

[ $# -eq 1 ] || { echo "usage: $0 DIR | --compare BEFORE AFTER" >&2; exit 2; }
frames=build/crumbleford-frame-bench
[ -x "$frames" ] || { echo "build first: cmake --build build" >&2; exit 2; }
out=$(realpath -m "$1")
mkdir -p "$out"
work=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$work"' EXIT

# A player who has passed everything and made a level of their own, so that
# the map holds every page and the editor's list is not empty.
mkdir -p "$work/home/.crumbleford/levels"
cp build/stage/maps/levels/levels.list "$work/home/.crumbleford/passed_levels"
cp build/stage/maps/levels/20.level "$work/home/.crumbleford/levels/bridge.level"
export HOME=$work/home XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
start_xvfb 70 1920x1080
export DISPLAY=$XVFB_DISPLAY

for size in 800x480 1920x1080; do
    for scene in menu help credits editor own; do
        "$frames" "$scene" "$size" 60 2 "$out/$scene-$size.png" >/dev/null 2>&1
    done
    for block in 60 10; do
        "$frames" map "$size" "$block" 2 "$out/map-$size-$block.png" >/dev/null 2>&1
        "$frames" level:40 "$size" "$block" 2 "$out/level40-$size-$block.png" >/dev/null 2>&1
        # Halfway through a recorded solution: blocks placed, characters moved.
        "$frames" level:20 "$size" "$block" 400 "$out/level20-played-$size-$block.png" \
            data/solutions/20.script >/dev/null 2>&1
    done
done
ls "$out" | wc -l
