#!/usr/bin/env bash
# Proves the package reproducible: builds the committed tree twice, in two
# directories of different names, one after the other, and compares the two
# .deb files byte for byte. Exits non-zero when they differ, listing the
# files whose contents differ.
#
# Usage: reproducible.sh       (takes two package builds' time)
set -euo pipefail
cd "$(dirname "$0")/.."
export DEB_BUILD_OPTIONS=nocheck
# Both builds compile everything: a cached object could hide a difference.
export CCACHE_DISABLE=1
first=$(mktemp -d /tmp/cf-repro-a.XXXXXX)
second=$(mktemp -d /tmp/cf-repro-second-build.XXXXXX)
trap 'rm -rf "$first" "$second"' EXIT
bash scripts/package.sh "$first/out" >"$first/log" 2>&1 || { tail -30 "$first/log"; exit 1; }
sleep 2
bash scripts/package.sh "$second/out" >"$second/log" 2>&1 || { tail -30 "$second/log"; exit 1; }

status=0
for a in "$first"/out/*.deb; do
    b=$second/out/$(basename "$a")
    sha256sum "$a" "$b"
    if ! cmp -s "$a" "$b"; then
        status=1
        echo "DIFFERENT: $(basename "$a")"
        for d in "$first/x" "$second/x"; do mkdir -p "$d"; done
        dpkg-deb -R "$a" "$first/x"
        dpkg-deb -R "$b" "$second/x"
        diff -rq "$first/x" "$second/x" || true
        diff <(dpkg-deb -c "$a") <(dpkg-deb -c "$b") || true
    fi
done
[ "$status" -eq 0 ] && echo "reproducible: the two builds are byte-identical"
exit "$status"
