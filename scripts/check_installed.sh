#!/usr/bin/env bash
# Checks an installed game as a player's machine has it: the simulator in
# /usr/games passes level 1 with its recorded solution read from the
# installed data, and the level checker finds nothing wrong with any
# installed level. ROOT is / for a real install, or a directory the .deb
# was unpacked into (dpkg -x).
#
# Usage: check_installed.sh [ROOT]
set -euo pipefail
root=${1:-/}
root=${root%/}
sim=$root/usr/games/crumbleford-sim
data=$root/usr/share/games/crumbleford
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

[ -x "$sim" ] || fail "no simulator at $sim"
[ -x "$root/usr/games/crumbleford" ] || fail "no game at $root/usr/games/crumbleford"
for f in textures/cf_2048.png maps/levels/levels.list solutions/1.script; do
    [ -s "$data/$f" ] || fail "$data/$f is missing"
done
[ "$failed" -eq 0 ] || exit 1

end=$("$sim" "$data/maps/levels/1.level" "$data/solutions/1.script" --ticks 3000 | tail -1)
[[ "$end" == end*passed ]] || fail "level 1 with its solution ended '$end'"

mapfile -t levels < <(find "$data/maps" -name '*.level' | sort)
[ "${#levels[@]}" -gt 0 ] || fail "no installed levels under $data/maps"
if ! findings=$("$sim" --check "${levels[@]}"); then
    fail "the checker's findings on the installed levels:"
    echo "$findings"
fi

if [ "$failed" -eq 0 ]; then
    echo "installed game: level 1 passed, ${#levels[@]} levels checked clean"
fi
exit "$failed"
