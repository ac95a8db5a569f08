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
# Both build one commit, whatever is committed meanwhile.
CF_PACKAGE_REV=$(git rev-parse --verify HEAD^{commit})
export CF_PACKAGE_REV
first=$(mktemp -d /tmp/cf-repro-a.XXXXXX)
second=$(mktemp -d /tmp/cf-repro-second-build.XXXXXX)
# CF_KEEP_BUILDS=1 keeps both trees for a closer look (diffoscope).
if [ "${CF_KEEP_BUILDS:-0}" != 1 ]; then
    trap 'rm -rf "$first" "$second"' EXIT
fi
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
        name=$(basename "$a" .deb)
        dpkg-deb -R "$a" "$first/x-$name"
        dpkg-deb -R "$b" "$second/x-$name"
        diff -rq "$first/x-$name" "$second/x-$name" || true
        diff <(dpkg-deb -c "$a") <(dpkg-deb -c "$b") || true
    fi
done
[ "$status" -eq 0 ] && echo "reproducible: the two builds are byte-identical"
exit "$status"
