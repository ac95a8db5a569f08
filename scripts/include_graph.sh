#!/bin/bash
# Prints who includes whose headers, with the number of include lines:
# "from -> to  count". By source folder, or with --layers by the libraries
# of cmake/layers.cmake. Run from anywhere.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A home
if [ "${1:-}" = "--layers" ]; then
    # Each file's layer, from the FILES lists of cmake/layers.cmake.
    while read -r layer file; do
        home[$file]=$layer
    done < <(awk '/^cf_layer\(/ { sub(/^cf_layer\(/, ""); layer = $1 }
                  { for (i = 1; i <= NF; i++) if ($i ~ /^[a-z]+\/[A-Za-z_]+\.(h|cpp)\)?$/) {
                        f = $i; sub(/\)$/, "", f); print layer, f } }' cmake/layers.cmake)
    home[app/main.cpp]=main
else
    for f in src/*/*.h src/*/*.cpp; do
        home[${f#src/}]=$(basename "$(dirname "$f")")
    done
fi
declare -A header
for f in "${!home[@]}"; do
    [[ $f == *.h ]] && header[$(basename "$f")]=${home[$f]}
done
for f in "${!home[@]}"; do
    from=${home[$f]}
    sed -n 's/^#include "\([^"]*\)".*/\1/p' "src/$f" | while read -r h; do
        to=${header[$h]:-}
        if [ -n "$to" ] && [ "$to" != "$from" ]; then
            echo "$from -> $to"
        fi
    done
done | sort | uniq -c | awk '{ printf "%-14s -> %-14s %3d\n", $2, $4, $1 }'
