#!/usr/bin/env bash
# Builds the Debian package from the committed tree, as a packager would:
# `dpkg-buildpackage -us -uc -b` in a copy of HEAD, then checks the result
# with `lintian --pedantic` (no error, no warning may remain) and unpacks the
# .deb to check the installed game (scripts/check_installed.sh).
#
# Usage: package.sh [OUT_DIR]     (default build-deb/)
# DEB_BUILD_OPTIONS passes through: test.sh sets nocheck, since it has just
# run the same headless tests. With ccache installed, a second run into the
# same OUT_DIR recompiles little.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
use_ccache

out=$(realpath -m "${1:-build-deb}")
version=$(sed -n 's/^project(crumbleford VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
src=$out/src/crumbleford-$version
rm -rf "$out/src"
mkdir -p "$src"
# CF_PACKAGE_REV packages another commit than HEAD.
git archive "${CF_PACKAGE_REV:-HEAD}" | tar -x -C "$src"

# Without the tests their build dependencies are not needed either: the
# nocheck option goes with the profile of the same name.
if [[ " ${DEB_BUILD_OPTIONS:-} " == *" nocheck "* ]]; then
    export DEB_BUILD_PROFILES="${DEB_BUILD_PROFILES:+$DEB_BUILD_PROFILES }nocheck"
fi
echo "== dpkg-buildpackage in $src"
if [ -n "${CCACHE_DIR:-}" ]; then
    # CMake takes the launcher from the environment; paths relative to the
    # copy keep a second run's objects in the cache.
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR=$src
fi
(cd "$src" && dpkg-buildpackage -us -uc -b)
rm -f "$out"/*.deb "$out"/*.buildinfo "$out"/*.changes
mv "$out"/src/*.deb "$out"/src/*.buildinfo "$out"/src/*.changes "$out"/
name=crumbleford_${version}_$(dpkg --print-architecture)
deb=$out/$name.deb
buildinfo=$out/$name.buildinfo

failed=0
echo "== lintian --pedantic"
# Tags of every severity are printed; errors and warnings fail the check.
report=$(lintian --pedantic --display-info "$deb" "$buildinfo" 2>&1) || true
[ -z "$report" ] || echo "$report"
if grep -qE '^(E|W): ' <<<"$report"; then
    echo "FAIL: lintian reports errors or warnings"
    failed=1
fi

echo "== The unpacked package"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
bash scripts/check_installed.sh "$root" || failed=1

sha256sum "$deb"
dpkg-deb -f "$deb" Depends
exit "$failed"
