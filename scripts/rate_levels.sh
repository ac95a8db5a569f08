#!/bin/bash
# Rates every level of levels.list and writes its "# difficulty:" line: 1,
# plus one each for a par of 2 or more, a par of 4 or more, a recorded
# solution of 600 ticks or more, and 3000 or more states reached by the par
# search in the tests' budget; at most 5. Levels before the thirteenth have
# no par: their solution's placements count instead, and no search.
# The tests check the same rule (par_search_test.cpp).
#
#   bash scripts/rate_levels.sh [SIM_BINARY]
set -euo pipefail
cd "$(dirname "$0")/.."
sim=${1:-build/crumbleford-sim}
levels_dir=data/maps/levels
budget=30000
position=0
for name in $(cat "$levels_dir/levels.list"); do
    position=$((position + 1))
    level="$levels_dir/$name.level"
    script="data/solutions/$name.script"
    [ -f "$level" ] && [ -f "$script" ] || { echo "$name: no level or solution" >&2; continue; }
    ticks=$("$sim" "$level" "$script" --ticks 3600 2>/dev/null | tail -n 1 | awk '{ print $2 }')
    par=$(sed -n 's/^# par: *//p' "$level" | head -n 1)
    states=0
    if [ "$position" -ge 13 ]; then
        states=$("$sim" --par "$level" --budget "$budget" 2>&1 >/dev/null |
            sed -n 's/.* \([0-9][0-9]*\) states.*/\1/p')
    else
        par=$(awk '$2 == "place"' "$script" | wc -l)
    fi
    rating=$((1 + (par >= 2) + (par >= 4) + (ticks >= 600) + (states >= 3000)))
    [ "$rating" -le 5 ] || rating=5
    sed -i "s/^# difficulty: .*/# difficulty: $rating/" "$level"
    echo "$name: par $par, $ticks ticks, $states states: difficulty $rating"
done
