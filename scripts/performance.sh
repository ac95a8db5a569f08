#!/usr/bin/env bash
# Prints one Markdown table of what the game costs: a world tick (Google
# Benchmark), one rewind after ten minutes of play, the CPU time of a drawn
# frame through the real GL path with Mesa on a virtual X server (the
# largest map and the largest level, at two screen sizes and two zooms), the
# time to the first main-menu frame, and the peak memory after playing the
# largest level through its solution.
#   bash scripts/performance.sh          (after a build with the tests)
# A loaded machine slows the frame rate but hardly the CPU time per frame.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh

bench=build/tests/cf_bench
frames=build/crumbleford-frame-bench
[ -x "$bench" ] && [ -x "$frames" ] || {
    echo "build first: bash scripts/test.sh (or cmake --build build)" >&2
    exit 2
}
work=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$work"' EXIT

# The largest level by grid cells, and a player who has passed everything,
# so that the map holds every page.
largest=$(for n in $(cat build/stage/maps/levels/levels.list); do
    echo "$(awk '$1 == "mapsize" { c = $2 * $3 } END { print c + 0 }' \
        "build/stage/maps/levels/$n.level") $n"
done | sort -n | tail -1 | cut -d' ' -f2)
mkdir -p "$work/home/.crumbleford"
cp build/stage/maps/levels/levels.list "$work/home/.crumbleford/passed_levels"
export HOME=$work/home XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"

echo "| Measure | Value |"
echo "|---|---|"
QT_QPA_PLATFORM=offscreen "$bench" --benchmark_format=csv 2>/dev/null |
    awk -F, '/^"BM_/ {
        gsub(/"/, "", $1)
        name = $1
        sub(/^BM_/, "", name)
        printf "| %s (CPU per call) | %.1f %s |\n", name, $4, $5
    }'

# One virtual screen large enough for every size measured.
start_xvfb 70 1920x1080
export DISPLAY=$XVFB_DISPLAY

frame() { # scene size block frames [out script]
    "$frames" "$@" 2>/dev/null | tail -1
}
field() { sed -E "s/.*$1 ([0-9.]+ ?[a-zA-Z/]*).*/\1/"; }

for scene in map "level:${largest}"; do
    for size in 800x480 1920x1080; do
        for block in 60 10; do
            line=$(frame "$scene" "$size" "$block" 90)
            echo "| frame, ${scene/level:/level }, ${size}, block ${block} px | $(echo "$line" |
                sed -E 's/.*, ([0-9.]+ ms CPU per frame), ([0-9.]+ frames\/s).*/\1 (\2 back to back)/') |"
        done
    done
done
# The game's own pace: the scene's timer ticks the world 30 times a second
# and asks for a frame each time; a frame late by a tick shows as a gap of
# about 67 ms.
for scene in map "level:${largest}"; do
    line=$(frame "$scene" 1920x1080 60 20s)
    echo "| at the game's pace for 20 s, ${scene/level:/level }, 1920x1080, block 60 px | $(echo "$line" |
        sed -E 's/.*, ([0-9.]+ frames\/s), gaps between frames ([0-9.]+ ms) median, ([0-9.]+ ms) at the 99th percentile, longest gap ([0-9.]+ ms).*/\1; gap between frames: median \2, 99th percentile \3, longest \4/') |"
done
menu=$(frame menu 800x480 60 1)
echo "| start to the first main-menu frame, 800x480 | $(echo "$menu" | field "first frame") |"
played=$(frame "level:${largest}" 800x480 60 3000 - "data/solutions/${largest}.script")
echo "| peak memory after playing level ${largest} through its solution | $(echo "$played" |
    field "peak memory") |"
