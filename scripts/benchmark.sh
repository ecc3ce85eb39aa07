#!/usr/bin/env bash
# Footprint benchmark (not a test): Umbrix.exe beside a bare tray program
# built with the same toolchain and flags, both run under the same Wine
# server, five runs each. Per program it measures
#   start    ms from process start until the frame window exists
#   handover ms a second start takes to hand its request over and end
#   rss      KiB resident one second after start
# and prints each median and the ratio program / bare.
#   bash scripts/benchmark.sh [RUNS]
# Builds first (scripts/build.sh). Uses its own Wine session under
# build/bench-wine and, without a display, its own Xvfb.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
repo="$(pwd)"
runs="${1:-5}"

bash scripts/install-deps.sh >/dev/null
bash scripts/build.sh >/dev/null

# The yardstick, compiled as CMake compiles Umbrix (same compiler, same
# definitions, no optimisation flags, static runtime).
bench="$repo/build/bench"
mkdir -p "$bench"
x86_64-w64-mingw32-g++-posix -std=c++17 -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -DNOMINMAX \
    -D_WIN32_WINNT=0x0601 -DWINVER=0x0601 -municode -mwindows -static -static-libgcc -static-libstdc++ \
    scripts/benchmark/bare_tray.cpp -o "$bench/BareTray.exe" -lshell32 -luser32

export UMBRIX_WINE_ROOT="$repo/build/bench-wine"
unset DISPLAY
. scripts/wine-env.sh
trap 'umbrix_stop_session' EXIT
umbrix_ensure_display
umbrix_ensure_wine
# No real effect from Umbrix's start-up (the companion start is journalled).
export UMBRIX_JOURNAL
UMBRIX_JOURNAL="$(umbrix_win_path "$bench/journal.txt")"

now_ns() { date +%s%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# One run of one program: NAME EXE CAPTION FIRST_ARGS SECOND_ARGS. The first
# start must leave an instance with a window CAPTION; the second start must
# find it, hand over and end. Appends "start handover rss" to $bench/NAME.runs.
measure_once() {
    local name="$1" exe="$2" caption="$3" first="$4" second="$5"
    local t0 t1 pid start rss handover
    t0=$(now_ns)
    # shellcheck disable=SC2086
    wine "$exe" $first </dev/null >/dev/null 2>&1 &
    pid=$!
    until xdotool search --name "^$caption\$" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "$name ended before its window existed" >&2; return 1; }
        sleep 0.005
    done
    t1=$(now_ns)
    start=$(((t1 - t0) / 1000000))
    # One second after the start, however long the window took.
    sleep "$(awk -v ms="$start" 'BEGIN { s = 1 - ms / 1000; print (s > 0) ? s : 0 }')"
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
    t0=$(now_ns)
    # shellcheck disable=SC2086
    wine "$exe" $second </dev/null >/dev/null 2>&1
    t1=$(now_ns)
    handover=$(((t1 - t0) / 1000000))
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    while xdotool search --name "^$caption\$" >/dev/null 2>&1; do sleep 0.05; done
    echo "$start $handover $rss" >>"$bench/$name.runs"
}

# The programs side by side, one row each: NAME EXE CAPTION FIRST_ARGS
# SECOND_ARGS. The bare program is the first row and the yardstick.
programs=(
    "bare|$bench/BareTray.exe|BareTray||"
    "Umbrix|$repo/build/win/Umbrix.exe|Umbrix : Settings|:silent|-1"
)

# Runs alternate between the programs, so a machine that gets busier or
# quieter meanwhile weighs on each of them alike. A first start of each,
# not counted, loads Wine's libraries into the page cache.
rm -f "$bench"/*.runs
for i in $(seq 0 "$runs"); do
    for p in "${programs[@]}"; do
        IFS='|' read -r name exe caption first second <<<"$p"
        measure_once "$name" "$exe" "$caption" "$first" "$second"
    done
done

# Median of column COLUMN of NAME's counted runs.
column_median() { tail -n +2 "$bench/$1.runs" | awk -v c="$2" '{ print $c }' | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0) ? a / b : 0 }'; }

printf '%-10s %12s %12s %12s   (medians of %s runs)\n' program "start ms" "handover ms" "rss KiB" "$runs"
for p in "${programs[@]}"; do
    name="${p%%|*}"
    start=$(column_median "$name" 1)
    handover=$(column_median "$name" 2)
    rss=$(column_median "$name" 3)
    printf '%-10s %12s %12s %12s\n' "$name" "$start" "$handover" "$rss"
    if [ "$name" = bare ]; then
        bare_start=$start bare_handover=$handover bare_rss=$rss
    else
        printf '%-10s %12s %12s %12s\n' "  / bare" "$(ratio "$start" "$bare_start")" \
            "$(ratio "$handover" "$bare_handover")" "$(ratio "$rss" "$bare_rss")"
    fi
done
