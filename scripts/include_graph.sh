#!/bin/bash
# Prints which source folders include headers of which others, with the
# number of include lines: "from -> to  count". Run from anywhere.
set -euo pipefail
cd "$(dirname "$0")/../src"
declare -A home
for h in */*.h; do
    home[$(basename "$h")]=$(dirname "$h")
done
for f in */*.h */*.cpp; do
    from=$(dirname "$f")
    sed -n 's/^#include "\([^"]*\)".*/\1/p' "$f" | while read -r h; do
        to=${home[$h]:-}
        if [ -n "$to" ] && [ "$to" != "$from" ]; then
            echo "$from -> $to"
        fi
    done
done | sort | uniq -c | awk '{ printf "%-10s -> %-10s %3d\n", $2, $4, $1 }'
