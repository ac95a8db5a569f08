#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/, seeds their corpora from the
# shipped data and the test fixtures, and runs each for a bounded time.
#   bash scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 60)
# Exits non-zero when a target finds a crash; the input that crashed is kept
# in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh

seconds=${1:-60}
ensure_fuzz_packages "${BUILD_PACKAGES[@]}"
use_ccache

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCF_FUZZ=ON -DCF_BUILD_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCF_MAIN_DIRECTORY="$(pwd)/build-fuzz/stage/" \
    "${CCACHE_ARGS[@]}" >/dev/null
targets=(level_fuzz lists_fuzz script_fuzz attempt_fuzz)
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]}"

corpus=build-fuzz/corpus
artifacts=build-fuzz/artifacts
mkdir -p "$artifacts"
for t in "${targets[@]}"; do
    mkdir -p "$corpus/$t"
done
shared_cases=../shared/sim-cases
cp data/maps/levels/*.level data/maps/menu/*.menu tests/replays/*.level "$corpus/level_fuzz/"
cp tests/fixtures/levels/* "$corpus/level_fuzz/" 2>/dev/null || true
cp data/solutions/*.script tests/replays/*.script "$corpus/script_fuzz/"
cp tests/fixtures/attempts/* "$corpus/attempt_fuzz/"
if [ -d "$shared_cases" ]; then
    cp "$shared_cases"/*.level "$corpus/level_fuzz/"
    cp "$shared_cases"/*.script "$corpus/script_fuzz/"
fi
# Map list, level list, progress file and records, split by NUL bytes.
{
    cat data/maps/menu/menus.list
    printf '\0'
    cat data/maps/levels/levels.list
    printf '\0'
    head -3 data/maps/levels/levels.list
    printf '\0'
    cat tests/fixtures/records/damaged
} >"$corpus/lists_fuzz/shipped"

failed=0
for t in "${targets[@]}"; do
    echo "== Fuzzing ${t} for ${seconds} s"
    if ! ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "build-fuzz/tests/fuzz/$t" "$corpus/$t" -max_total_time="$seconds" \
        -max_len=65536 -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$t-" 2>"build-fuzz/$t.log"; then
        echo "${t}: FAILED (see build-fuzz/${t}.log and ${artifacts})"
        tail -40 "build-fuzz/$t.log"
        failed=1
    else
        grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "build-fuzz/$t.log" |
            sed "s/^/${t}: /"
    fi
done
exit $failed
