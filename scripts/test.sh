#!/usr/bin/env bash
# Builds Crumbleford and runs every test: the headless suite, the GL suite on
# a virtual X server (Xvfb, no window manager), the headless suite again
# built with AddressSanitizer and UndefinedBehaviorSanitizer, the fuzz
# targets for a bounded time, and the Debian package of HEAD (built, checked
# by lintian and as installed). Installs any missing Debian packages first.
# Exits non-zero if anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh

started=$(date +%s)
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
ensure_locale de_DE.UTF-8
use_ccache

# Mesa's shader cache can hide compile errors.
export MESA_SHADER_CACHE_DISABLE=true
logs=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$logs"' EXIT
failed=0

run_ctest() { # name, build dir, ctest arguments...
    local name=$1 dir=$2
    shift 2
    echo "== ${name}"
    if ! ctest --test-dir "$dir" --output-on-failure --timeout 300 "$@" 2>&1 |
        tee "$logs/$name.log"; then
        failed=1
    fi
    if ! grep -q "tests passed" "$logs/$name.log"; then
        failed=1
    fi
}

echo "== Building (build/)"
configure_and_build build -DCF_BUILD_TESTS=ON
run_ctest headless build -LE gl -j "$(nproc)"

start_xvfb 99
echo "== Virtual X server on ${XVFB_DISPLAY}"
export DISPLAY=$XVFB_DISPLAY
run_ctest gl build -L gl
unset DISPLAY
stop_xvfb

echo "== Building with sanitizers (build-asan/)"
# The GL tests and the benchmark run from build/ only: not built here.
configure_and_build build-asan -DCF_BUILD_TESTS=ON -DCF_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
    -DCF_BUILD_GL_TESTS=OFF -DCF_BUILD_BENCHMARKS=OFF
run_ctest sanitizers build-asan -LE gl -j "$(nproc)"

echo "== Fuzzing (build-fuzz/)"
# Each target counts as one test in the closing line.
fuzz_seconds=${CF_FUZZ_SECONDS:-60}
fuzz_targets=$(sed -n 's/^targets=(\(.*\))$/\1/p' scripts/fuzz.sh | wc -w)
if bash scripts/fuzz.sh "$fuzz_seconds" 2>&1 | tee "$logs/fuzz-run.log"; then
    echo "100% tests passed, 0 tests failed out of ${fuzz_targets}" >"$logs/fuzz.log"
else
    # A target that failed to build counts as failed too.
    fuzz_failed=$(grep -c ": FAILED" "$logs/fuzz-run.log" || true)
    [ "${fuzz_failed:-0}" -gt 0 ] || fuzz_failed=${fuzz_targets}
    echo "0% tests passed, ${fuzz_failed} tests failed out of ${fuzz_targets}" >"$logs/fuzz.log"
    failed=1
fi

echo "== The Debian package (build-deb/)"
# The package's own run of the headless tests would repeat the first stage;
# its debug symbols package is not checked.
if DEB_BUILD_OPTIONS="nocheck noddebs" bash scripts/package.sh build-deb 2>&1 | tee "$logs/package-run.log" |
    grep -vE '^\[[0-9]+/[0-9]+\] '; then
    echo "100% tests passed, 0 tests failed out of 1" >"$logs/package.log"
else
    echo "0% tests passed, 1 tests failed out of 1" >"$logs/package.log"
    failed=1
fi

echo "== Summary ($(($(date +%s) - started)) s)"
for name in headless gl sanitizers fuzz package; do
    summary=$(grep -E "tests passed|tests failed out of" "$logs/$name.log" | tail -1 || true)
    echo "${name}: ${summary:-no summary}"
done
# One closing line over the three runs.
grep -h -E "tests passed, [0-9]+ tests failed out of [0-9]+" "$logs"/*.log |
    sed -E 's/.*tests passed, ([0-9]+) tests failed out of ([0-9]+).*/\1 \2/' |
    awk '{ failed += $1; total += $2 } END { printf "%d passed, %d failed\n", total - failed, failed }' ||
    true
exit $failed
