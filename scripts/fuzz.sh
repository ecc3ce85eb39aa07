#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz natively with Clang (build/fuzz)
# and runs each for SECONDS (default 30) from its seed corpus in
# tests/fuzz/corpus/<target>. New inputs the fuzzer finds go to
# build/fuzz-corpus/<target>, never into the repository. A crash, a failed
# property, undefined behaviour or a hang (over 10 s for one input) fails the
# run; the input is saved in build/fuzz-artifacts/<target>/ and the line
# printed says how to replay it.
#   UMBRIX_JOBS  parallel build jobs (default 2)
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
repo="$(pwd)"

seconds="${1:-30}"
case "$seconds" in
    ''|*[!0-9]*|0) echo "usage: scripts/fuzz.sh [SECONDS per target, 1 or more]" >&2; exit 2 ;;
esac
jobs="${UMBRIX_JOBS:-2}"

mkdir -p build
build_log=build/fuzz-build.log
if ! { cmake -S . -B build/fuzz -DUMBRIX_FUZZ=ON -DCMAKE_BUILD_TYPE= \
           -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS=-O1 &&
       cmake --build build/fuzz -j"$jobs"; } >"$build_log" 2>&1; then
    grep -E "error|warning" "$build_log" | head -n 20
    echo "fuzz: build failed (see $build_log)"
    exit 1
fi
if grep -q "warning:" "$build_log"; then grep "warning:" "$build_log" | head -n 20; fi

passed=0; failed=0
for source in tests/fuzz/*_fuzz.cpp; do
    target="$(basename "$source" .cpp)"
    corpus="build/fuzz-corpus/$target"
    artifacts="build/fuzz-artifacts/$target"
    seeds="tests/fuzz/corpus/$target"
    mkdir -p "$corpus" "$artifacts"
    [ -d "$seeds" ] || seeds=""
    log="$artifacts/fuzz.log"
    # The first folder receives what the fuzzer finds; the seeds are read only.
    if build/fuzz/"$target" "$corpus" ${seeds:+"$seeds"} -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
           -max_len=4096 -artifact_prefix="$repo/$artifacts/" -print_final_stats=1 >"$log" 2>&1; then
        runs="$(grep -E '^stat::number_of_executed_units:' "$log" | awk '{print $2}')"
        printf '  %-24s passed (%s runs)\n' "$target" "${runs:-?}"
        passed=$((passed + 1))
    else
        saved="$(grep -oE "Test unit written to [^ ]+" "$log" | tail -n 1 | sed 's/Test unit written to //')"
        printf '  %-24s FAILED, input saved: %s\n' "$target" "${saved:-none (see $log)}"
        [ -n "$saved" ] && echo "    replay: build/fuzz/$target $saved"
        grep -m 5 -E "ERROR|property failed|runtime error|SUMMARY" "$log" | sed 's/^/    /'
        failed=$((failed + 1))
    fi
done

echo "fuzz: $passed passed, $failed failed (${seconds} s each)"
[ "$failed" -eq 0 ]
