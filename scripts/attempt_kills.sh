#!/bin/bash
# Kills the real game with SIGKILL in the middle of a level KILLS times
# (20 by default), starts it again each time, continues the kept attempt and
# prints how much play was lost at worst, in world ticks (30 a second).
#   bash scripts/attempt_kills.sh [KILLS] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
kills=${1:-20}
build=${2:-build}
out=$(CF_ATTEMPT_KILLS="$kills" QT_QPA_PLATFORM=offscreen \
    "$build/tests/cf_tests" --gtest_filter='attempt_game.KilledMidLevel*' 2>&1) || {
    echo "$out"
    exit 1
}
echo "$out" | grep -E "^worst loss" | sed "s/^/${kills} kills: /"
