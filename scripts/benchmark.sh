#!/usr/bin/env bash
# Footprint benchmark (not a test): Umbrix.exe and Vandric.exe beside a bare
# tray program built with the same toolchain and flags, all run under the
# same Wine server. Two sections:
# 1. Start-up, RUNS runs each (default 7). Per program it measures
#      start     ms from process start until its window exists (Umbrix's
#                frame, Vandric's schedule dialog, the bare program's window)
#      handover  ms a second start takes to hand its request over and end
#                (Vandric has none: "-")
#      rss       KiB resident one second after start
#    and prints each median and the ratio program / bare, and whether the
#    targets are met: Umbrix's hand-over within 1.3 times the bare
#    program's, its start within 1.2, its memory within 1.3; Vandric's start
#    and memory within 1.2.
#    With BENCH_BASELINE naming the build folder of another version (for
#    example /work/main/build/win), its Umbrix.exe and Vandric.exe are
#    measured in the same runs as rows of their own ("Umbrix@base").
#    Then one more second start of each, untimed, under Wine's loader trace
#    lists the DLLs a hand-over loads.
# 2. Idle processor time: the bare program and Umbrix :silent, with the idle
#    monitor-off, idle screen saver and every idle action enabled at 1000
#    minutes, run side by side; after a 5 s settle, the CPU time (user +
#    system, summed over the process's threads) each uses in
#    BENCH_IDLE_SECONDS seconds (default 60; 0 leaves the section out), in
#    ms, and the ratio Umbrix / bare. Time spent in the shared wineserver is
#    not counted.
# The figures also go to build/bench/results.json, to compare two runs.
#   bash scripts/benchmark.sh [RUNS]
# Builds first (scripts/build.sh). Uses its own Wine session under
# build/bench-wine and, without a display, its own Xvfb. Umbrix and Vandric
# run with their journals set (build/bench), so they request nothing real.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
repo="$(pwd)"
runs="${1:-7}"
idle_seconds="${BENCH_IDLE_SECONDS:-60}"
idle_settle=5

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
export VANDRIC_JOURNAL
VANDRIC_JOURNAL="$(umbrix_win_path "$bench/vandric-journal.txt")"

# The idle triggers and idle actions of section 2, all at 1000 minutes (no
# separate enable value for an idle action: minutes 0 means off).
settings_key='HKCU\Software\Corvane\Umbrix\Settings'
idle_values=(EnableIdleUBX=1 IdleUBXMins=1000 EnableIdleUBXScr=1 IdleUBXMinsScr=1000
    IdleDurationLogOff=1000 IdleDurationShutdown=1000 IdleDurationHibernate=1000 IdleDurationStandby=1000)
# add | delete: writes or removes them in the prefix's registry.
idle_settings() {
    local v
    for v in "${idle_values[@]}"; do
        if [ "$1" = add ]; then
            wine reg add "$settings_key" /v "${v%%=*}" /t REG_DWORD /d "${v#*=}" /f </dev/null >/dev/null 2>&1
        else
            wine reg delete "$settings_key" /v "${v%%=*}" /f </dev/null >/dev/null 2>&1 || true
        fi
    done
}
# Section 1 measures Umbrix with no idle settings left over from an earlier
# run, and past its very first start: that one opens the help videos, a
# modal window, before the frame exists.
idle_settings delete
wine reg add 'HKCU\Software\Corvane\Umbrix\Workspace' /v "Help Videos Shown" /t REG_DWORD /d 1 /f \
    </dev/null >/dev/null 2>&1

now_ns() { date +%s%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# One run of one program: NAME EXE CAPTION FIRST_ARGS SECOND_ARGS. The first
# start must leave an instance with a window CAPTION; the second start must
# find it, hand over and end. SECOND_ARGS "-": no second start (handover
# "-"). Appends "start handover rss" to $bench/NAME.runs.
measure_once() {
    local name="$1" exe="$2" caption="$3" first="$4" second="$5"
    local t0 t1 pid start rss handover
    t0=$(now_ns)
    # shellcheck disable=SC2086
    wine "$exe" $first </dev/null >/dev/null 2>&1 &
    pid=$!
    until xdotool search --name "^$caption\$" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "$name ended before its window existed" >&2; return 1; }
        # A window that waits for an answer (a first-start dialog) would
        # otherwise hold the benchmark for ever.
        if [ $(($(now_ns) - t0)) -gt 60000000000 ]; then
            echo "$name: no window \"$caption\" after 60 s" >&2
            return 1
        fi
        sleep 0.005
    done
    t1=$(now_ns)
    start=$(((t1 - t0) / 1000000))
    # One second after the start, however long the window took.
    sleep "$(awk -v ms="$start" 'BEGIN { s = 1 - ms / 1000; print (s > 0) ? s : 0 }')"
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
    if [ "$second" = - ]; then
        handover=-
    else
        t0=$(now_ns)
        # shellcheck disable=SC2086
        wine "$exe" $second </dev/null >/dev/null 2>&1
        t1=$(now_ns)
        handover=$(((t1 - t0) / 1000000))
    fi
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
    "Vandric|$repo/build/win/Vandric.exe|Schedule Action - Vandric||-"
)
if [ -n "${BENCH_BASELINE:-}" ]; then
    programs+=(
        "Umbrix@base|$BENCH_BASELINE/Umbrix.exe|Umbrix : Settings|:silent|-1"
        "Vandric@base|$BENCH_BASELINE/Vandric.exe|Schedule Action - Vandric||-"
    )
fi

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
# A column of "-" (no such measure) gives "-".
column_median() {
    local values
    values=$(tail -n +2 "$bench/$1.runs" | awk -v c="$2" '{ print $c }')
    if grep -qx -- - <<<"$values"; then echo -; else median <<<"$values"; fi
}
ratio() {
    if [ "$1" = - ] || [ "$2" = - ]; then echo -; return; fi
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0) ? a / b : 0 }'
}

# "met" or "missed": RATIO against LIMIT ("-": no such measure).
verdict() {
    if [ "$1" = - ]; then echo -; return; fi
    awk -v r="$1" -v l="$2" 'BEGIN { print (r <= l) ? "met" : "missed" }'
}
json_value() { if [ "$1" = - ]; then echo null; else echo "$1"; fi; }

json_programs=""
printf '%-12s %12s %12s %12s   (medians of %s runs)\n' program "start ms" "handover ms" "rss KiB" "$runs"
for p in "${programs[@]}"; do
    name="${p%%|*}"
    start=$(column_median "$name" 1)
    handover=$(column_median "$name" 2)
    rss=$(column_median "$name" 3)
    printf '%-12s %12s %12s %12s\n' "$name" "$start" "$handover" "$rss"
    json_ratios=""
    if [ "$name" = bare ]; then
        bare_start=$start bare_handover=$handover bare_rss=$rss
    else
        r_start=$(ratio "$start" "$bare_start")
        r_handover=$(ratio "$handover" "$bare_handover")
        r_rss=$(ratio "$rss" "$bare_rss")
        printf '%-12s %12s %12s %12s\n' "  / bare" "$r_start" "$r_handover" "$r_rss"
        case "$name" in
        Umbrix) printf '%-12s %12s %12s %12s\n' "  target" "1.2 $(verdict "$r_start" 1.2)" \
            "1.3 $(verdict "$r_handover" 1.3)" "1.3 $(verdict "$r_rss" 1.3)" ;;
        Vandric) printf '%-12s %12s %12s %12s\n' "  target" "1.2 $(verdict "$r_start" 1.2)" - \
            "1.2 $(verdict "$r_rss" 1.2)" ;;
        esac
        json_ratios=$(printf ', "ratio_start": %s, "ratio_handover": %s, "ratio_rss": %s' \
            "$(json_value "$r_start")" "$(json_value "$r_handover")" "$(json_value "$r_rss")")
    fi
    json_programs+=$(printf '%s\n    "%s": {"start_ms": %s, "handover_ms": %s, "rss_kib": %s%s}' \
        "${json_programs:+,}" "$name" "$(json_value "$start")" "$(json_value "$handover")" \
        "$(json_value "$rss")" "$json_ratios")
done

# The DLLs one second start loads until it has handed over and ended, from
# Wine's loader trace (one more run of each program that has a hand-over).
echo
echo "DLLs a second start loads (Wine's loader trace):"
json_dlls=""
for p in "${programs[@]}"; do
    IFS='|' read -r name exe caption first second <<<"$p"
    [ "$second" = - ] && continue
    # shellcheck disable=SC2086
    wine "$exe" $first </dev/null >/dev/null 2>&1 &
    pid=$!
    timeout 60 xdotool search --sync --name "^$caption\$" >/dev/null 2>&1 || { echo "no window $caption" >&2; exit 1; }
    # shellcheck disable=SC2086
    dlls=$(WINEDEBUG=+loaddll wine "$exe" $second </dev/null 2>&1 >/dev/null |
        sed -n 's/.*Loaded L"\([^"]*\)".*/\1/p' | sed 's/.*\\//' | tr 'A-Z' 'a-z' | grep -v '\.exe$' | sort -u)
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    while xdotool search --name "^$caption\$" >/dev/null 2>&1; do sleep 0.05; done
    printf '%-12s %3s  %s\n' "$name" "$(wc -l <<<"$dlls")" "$(tr '\n' ' ' <<<"$dlls")"
    json_dlls+=$(printf '%s\n    "%s": [%s]' "${json_dlls:+,}" "$name" \
        "$(sed 's/.*/"&"/' <<<"$dlls" | paste -sd, | sed 's/,/, /g')")
done

# Section 2: processor time while idle. Both programs run at once, so the
# section takes one settle and one measuring period of wall time.
# CPU ns of process PID so far: the first field of schedstat (time on the
# processor) summed over its threads.
cpu_ns() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d", s }'
}
json_idle=null
write_json() {
    printf '{\n  "runs": %s,\n  "programs": {%s\n  },\n  "second_start_dlls": {%s\n  },\n  "idle": %s\n}\n' \
        "$runs" "$json_programs" "$json_dlls" "$json_idle" >"$bench/results.json"
}
if [ "$idle_seconds" -le 0 ]; then
    write_json
    echo
    echo "Results in $bench/results.json"
    exit 0
fi
idle_settings add
idle_pids=()
idle_names=(bare Umbrix)
wine "$bench/BareTray.exe" </dev/null >/dev/null 2>&1 &
idle_pids+=($!)
wine "$repo/build/win/Umbrix.exe" :silent </dev/null >/dev/null 2>&1 &
idle_pids+=($!)
for caption in BareTray "Umbrix : Settings"; do
    timeout 60 xdotool search --sync --name "^$caption\$" >/dev/null 2>&1 || { echo "no window $caption" >&2; exit 1; }
done
sleep "$idle_settle"
cpu0=()
for pid in "${idle_pids[@]}"; do cpu0+=("$(cpu_ns "$pid")"); done
sleep "$idle_seconds"
cpu_ms=()
for i in "${!idle_pids[@]}"; do
    pid=${idle_pids[$i]}
    kill -0 "$pid" 2>/dev/null || { echo "${idle_names[$i]} ended while idle" >&2; exit 1; }
    cpu_ms+=($((($(cpu_ns "$pid") - cpu0[i]) / 1000000)))
done
for pid in "${idle_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
done
idle_settings delete

echo
printf '%-10s %12s   (%s s idle after a %s s settle, one run)\n' program "cpu ms" "$idle_seconds" "$idle_settle"
printf '%-10s %12s\n' bare "${cpu_ms[0]}"
printf '%-10s %12s\n' Umbrix "${cpu_ms[1]}"
idle_ratio=$(awk -v a="${cpu_ms[1]}" -v b="${cpu_ms[0]}" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "null" }')
printf '%-10s %12s\n' "  / bare" "$idle_ratio"
json_idle=$(printf '{"seconds": %s, "bare_cpu_ms": %s, "umbrix_cpu_ms": %s, "ratio": %s}' \
    "$idle_seconds" "${cpu_ms[0]}" "${cpu_ms[1]}" "$idle_ratio")
write_json
echo
echo "Results in $bench/results.json"
