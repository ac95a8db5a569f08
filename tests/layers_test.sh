#!/bin/bash
# The world and its blocks see their own headers and the layers below them,
# never the shell, the controls, the sound or the editor: every header of
# those folders must stay out of reach of an include written in the world's
# layer, while the scene base and the world's own headers are found.
#   layers_test.sh COMPILER LAYER_DIRECTORY...   (the world's and those below)
set -euo pipefail
compiler=$1
shift
flags=()
for dir in "$@"; do
    flags+=(-I "$dir")
done
src=$(cd "$(dirname "$0")/../src" && pwd)
# Prints where an include written in the world's layer would be found.
found() {
    echo "#include \"$1\"" | "$compiler" -x c++ -MM -MG "${flags[@]}" - | tr -d '\\\n' |
        sed 's/^[^:]*: *//'
}
failures=0
for header in myscene.h game_scene.h stockblock.h myglitem.h cfg.h; do
    if [ "$(found "$header")" = "$header" ]; then
        echo "not found from the world: $header"
        failures=$((failures + 1))
    fi
done
for path in "$src"/app/*.h "$src"/controls/*.h "$src"/sound/*.h "$src"/editor/*.h; do
    header=$(basename "$path")
    [ "$header" = myscene.h ] && continue
    # The durable writer, the settings and the records are files the format
    # layer owns.
    case "$header" in durable_file.h | settings_store.h | records_store.h) continue ;; esac
    where=$(found "$header")
    if [ "$where" != "$header" ]; then
        echo "reachable from the world: $header ($where)"
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] && echo "the world's layer reaches no header above it"
[ "$failures" -eq 0 ]
