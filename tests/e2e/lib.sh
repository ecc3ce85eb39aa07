# Sourced by tests/e2e/run.sh. Helpers that start Umbrix.exe under Wine, look
# at its windows with xdotool, at its registry branch with `wine reg`, and at
# its journal of system requests. Every wait has a time limit: a hung program
# makes a check fail, never the suite hang.

E2E_CAPTION='Umbrix : Settings'
E2E_CONFIRM_CAPTION='Umbrix - Confirmation Dialog'
E2E_SETTINGS_KEY='HKCU\Software\Corvane\Umbrix\Settings'
E2E_COMPANY_KEY='HKCU\Software\Corvane'

E2E_PASSED=0
E2E_FAILED=0
E2E_SKIPPED=0
E2E_CURRENT=""
E2E_PIDS=()
E2E_SEQ=0

# --- reporting -------------------------------------------------------------

e2e_ok()   { E2E_PASSED=$((E2E_PASSED + 1)); echo "ok   $E2E_CURRENT: $1"; }
e2e_fail() {
    E2E_FAILED=$((E2E_FAILED + 1))
    echo "FAIL $E2E_CURRENT: $1"
    shift
    local l
    for l in "$@"; do echo "       $l"; done
}
skip() { E2E_SKIPPED=$((E2E_SKIPPED + 1)); echo "skip $E2E_CURRENT: $1 ($2)"; }

# check DESCRIPTION COMMAND [ARG...]: passes when the command succeeds.
check() {
    local what="$1"; shift
    if "$@" >/dev/null; then e2e_ok "$what"; else e2e_fail "$what" "command: $*"; fi
}

# check_eq DESCRIPTION EXPECTED ACTUAL: multi-line values are compared whole.
check_eq() {
    if [ "$2" = "$3" ]; then
        e2e_ok "$1"
    else
        local exp act
        exp="$(printf '%s' "$2" | sed 's/^/  | /')"
        act="$(printf '%s' "$3" | sed 's/^/  | /')"
        e2e_fail "$1" "expected:" "$exp" "actual:" "$act"
    fi
}

# --- processes ---------------------------------------------------------------

# Starts Umbrix.exe with the given arguments in the background. Sets
# UMBRIX_PID to its Linux pid (wine execs into the program, so $! is it).
umbrix_start() {
    wine "$E2E_EXE" "$@" </dev/null >>"$E2E_LOG" 2>&1 &
    UMBRIX_PID=$!
    E2E_PIDS+=("$UMBRIX_PID")
}

pid_alive() {
    [ -e "/proc/$1" ] && ! grep -q '^State:.*Z' "/proc/$1/status" 2>/dev/null
}
pid_ended() { ! pid_alive "$1"; }

# Milliseconds since the epoch, and a deadline SECONDS (may be fractional)
# from now.
now_ms() { local t="${EPOCHREALTIME/./}"; echo $((t / 1000)); }
deadline_ms() { echo $(($(now_ms) + $(awk -v s="$1" 'BEGIN { printf "%d", s * 1000 }'))); }
past() { [ "$(now_ms)" -ge "$1" ]; }

# wait_exit PID SECONDS: true when the process ended in time; reaps it.
wait_exit() {
    local pid="$1" deadline
    deadline=$(deadline_ms "$2")
    while pid_alive "$pid"; do
        past "$deadline" && return 1
        sleep 0.05
    done
    wait "$pid" 2>/dev/null || true
    return 0
}

# Ends every Umbrix this suite started: politely first, then for good.
umbrix_kill_all() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do pid_alive "$pid" && kill -TERM "$pid" 2>/dev/null; done
    for pid in "${E2E_PIDS[@]}"; do
        if ! wait_exit "$pid" 5; then
            kill -KILL "$pid" 2>/dev/null
            wait_exit "$pid" 5 || echo "e2e: process $pid would not end" >&2
        fi
    done
    E2E_PIDS=()
    # The server tears the windows down after the process is gone.
    local deadline
    deadline=$(deadline_ms 10)
    while [ -n "$(find_windows "$E2E_CAPTION")" ] && ! past "$deadline"; do sleep 0.1; done
}

# --- windows -----------------------------------------------------------------

# Window ids with exactly this caption, hidden ones included.
find_windows() { xdotool search --name "^$1\$" 2>/dev/null; }
# Only the mapped (shown) ones.
find_visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null; }

# wait_window CAPTION SECONDS: prints the ids once one exists.
wait_window() { _wait_search "$2" --name "^$1\$"; }
# wait_visible CAPTION SECONDS: prints the ids once one is shown.
wait_visible() { _wait_search "$2" --onlyvisible --name "^$1\$"; }

# Searches again until something is found or SECONDS pass. A window that
# goes away in the middle of a search makes xdotool fail (BadWindow), and
# --sync would give up with it; a failed search is simply tried again here.
_wait_search() {
    local deadline ids
    deadline=$(deadline_ms "$1")
    shift
    while :; do
        ids="$(xdotool search "$@" 2>/dev/null)"
        if [ -n "$ids" ]; then
            echo "$ids"
            return 0
        fi
        past "$deadline" && return 1
        sleep 0.05
    done
}

# wait_menu PROGRAM SECONDS: prints the id once a popup menu of the program
# is open (Wine shows it as a window of the program's class without a caption).
wait_menu() {
    local deadline w
    deadline=$(deadline_ms "$2")
    while :; do
        for w in $(xdotool search --onlyvisible --class "$1" 2>/dev/null); do
            if [ -z "$(xdotool getwindowname "$w" 2>/dev/null)" ]; then echo "$w"; return 0; fi
        done
        past "$deadline" && return 1
        sleep 0.05
    done
}

# wait_hidden CAPTION SECONDS: true once no window with the caption is shown.
wait_hidden() {
    local deadline
    deadline=$(deadline_ms "$2")
    while [ -n "$(find_visible "$1")" ]; do
        past "$deadline" && return 1
        sleep 0.1
    done
}

# stays_hidden CAPTION SECONDS: true when no window with the caption shows up
# during the whole time.
stays_hidden() {
    local deadline
    deadline=$(deadline_ms "$2")
    while :; do
        [ -n "$(find_visible "$1")" ] && return 1
        past "$deadline" && return 0
        sleep 0.1
    done
}

# answer_countdown KEY: gives the countdown dialog the focus and presses KEY.
answer_countdown() {
    local id
    id="$(wait_visible "$E2E_CONFIRM_CAPTION" 10 | head -n 1)"
    [ -n "$id" ] || return 1
    timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key --clearmodifiers "$1"
}

# post_timer CAPTION ID COUNT [child]: COUNT ticks of timer ID reach the
# window (tests/e2e/tools/post_timer.cpp), so a countdown that counts ticks
# runs out without its real seconds. The timers that turn minutes into real
# time keep one test each that waits them out.
post_timer() {
    wine "$(dirname "$E2E_BUILT_EXE")/post_timer.exe" "$@" </dev/null >>"$E2E_LOG" 2>&1
}
# The countdown dialog's 1-second timer (CDlgConfirmation::kTickTimer).
E2E_CONFIRM_TIMER=100
post_countdown() { post_timer "$E2E_CONFIRM_CAPTION" "$E2E_CONFIRM_TIMER" "$1"; }

screenshot() {
    mkdir -p "$E2E_ARTIFACTS"
    import -window root "$E2E_ARTIFACTS/$1.png" 2>/dev/null
}

# --- registry ----------------------------------------------------------------

# reg_get NAME [KEY]: prints "TYPE DATA" of the value, nothing when absent.
reg_get() {
    local key="${2:-$E2E_SETTINGS_KEY}"
    timeout 30 wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^    $1    \(REG_[A-Z_]*\)    \(.*\)\$/\1 \2/p; s/^    $1    \(REG_[A-Z_]*\)\$/\1 /p"
}
reg_key_exists() { timeout 30 wine reg query "$1" >/dev/null 2>&1; }
reg_set_dword() { timeout 30 wine reg add "${3:-$E2E_SETTINGS_KEY}" /v "$1" /t REG_DWORD /d "$2" /f >/dev/null 2>&1; }
reg_set_sz()    { timeout 30 wine reg add "${3:-$E2E_SETTINGS_KEY}" /v "$1" /t REG_SZ /d "$2" /f >/dev/null 2>&1; }

# wait_reg NAME EXPECTED SECONDS: true once reg_get prints EXPECTED.
wait_reg() {
    local deadline
    deadline=$(deadline_ms "$3")
    while [ "$(reg_get "$1")" != "$2" ]; do
        past "$deadline" && return 1
        sleep 0.2
    done
}

# --- journal -----------------------------------------------------------------

# The journal's lines without carriage returns or a byte-order mark.
journal() {
    [ -f "$E2E_JOURNAL" ] || return 0
    sed '1s/^\xEF\xBB\xBF//' "$E2E_JOURNAL" | tr -d '\r'
}
journal_count() { journal | wc -l; }
# journal_since N: the lines after the first N.
journal_since() { journal | tail -n +"$(($1 + 1))"; }

# wait_journal N SECONDS: true once the journal holds at least N lines.
wait_journal() {
    local deadline
    deadline=$(deadline_ms "$2")
    while [ "$(journal_count)" -lt "$1" ]; do
        past "$deadline" && return 1
        sleep 0.1
    done
}

# The companion start that every first instance journals during start-up.
companion_line() {
    printf 'ShellExecuteW "open" "%s\\Tarnwick.exe" ":LaunchedFromUBXCheck"' "$E2E_PROGRAM_DIR_WIN"
}

# --- per-test state ------------------------------------------------------------

E2E_TIPS_FILE() { printf '%s/drive_c/ProgramData/Umbrix.ini' "$WINEPREFIX"; }

# Every test starts from here: no Umbrix running, no settings, no tips file,
# a new empty journal.
e2e_reset() {
    umbrix_kill_all
    timeout 30 wine reg delete "$E2E_COMPANY_KEY" /f >/dev/null 2>&1 || true
    e2e_seed_profile
    rm -f "$(E2E_TIPS_FILE)"
    E2E_SEQ=$((E2E_SEQ + 1))
    local dir="$E2E_ARTIFACTS/journals"
    mkdir -p "$dir"
    E2E_JOURNAL="$dir/$(printf '%03d' "$E2E_SEQ")-${E2E_CURRENT//[^A-Za-z0-9_-]/_}.txt"
    rm -f "$E2E_JOURNAL"
    UMBRIX_JOURNAL="$(umbrix_win_path "$E2E_JOURNAL")"
    export UMBRIX_JOURNAL
}

# Values a user who has started the program before would have: the help
# videos of the very first start have been shown. Otherwise the profile is
# fresh, as the tests want.
E2E_WORKSPACE_KEY='HKCU\Software\Corvane\Umbrix\Workspace'
e2e_seed_profile() { reg_set_dword "Help Videos Shown" 1 "$E2E_WORKSPACE_KEY"; }

# Starts a first instance with ARGS and waits until its hidden frame exists
# and start-up has journalled the companion start. Sets E2E_BASE to the
# number of journal lines at that point.
start_first() {
    umbrix_start "$@"
    E2E_FIRST_PID=$UMBRIX_PID
    E2E_BASE=0
    if ! wait_window "$E2E_CAPTION" 30 >/dev/null; then
        e2e_fail "first instance ($*) creates its frame" "no window '$E2E_CAPTION' after 30 s"
        return 1
    fi
    if ! wait_journal 1 15; then
        e2e_fail "first instance ($*) journals the companion start" "journal empty after 15 s"
        return 1
    fi
    E2E_BASE=$(journal_count)
}

# Starts a second instance with ARGS and waits for it to end (SECONDS limit,
# default 20). Sets E2E_SECOND_PID; false when it did not end in time.
run_second() {
    local limit="${E2E_SECOND_LIMIT:-20}"
    umbrix_start "$@"
    E2E_SECOND_PID=$UMBRIX_PID
    wait_exit "$E2E_SECOND_PID" "$limit"
}

# answer_box KEY [SHOT]: presses KEY in the shown message box captioned
# "Umbrix" (after a screenshot named SHOT), then waits until it is gone, so
# the next keys reach the window below it.
answer_box() {
    local id
    id="$(wait_visible Umbrix 10 | head -n 1)"
    [ -n "$id" ] || return 1
    [ -n "${2:-}" ] && screenshot "$2"
    timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key --clearmodifiers "$1"
    wait_hidden Umbrix 10
}

# Wine drops the tray icon of a program that was ended by force only when the
# mouse passes over it, and keeps it in front of later icons until then: the
# mouse sweeps the whole tray window a few times.
tray_sweep() {
    local tray x pass WIDTH HEIGHT X Y SCREEN WINDOW
    tray="$(find_windows 'Wine System Tray' | head -n 1)"
    [ -n "$tray" ] || return 1
    eval "$(xdotool getwindowgeometry --shell "$tray")"
    for pass in 1 2 3; do
        for x in $(seq 2 5 "$WIDTH"); do xdotool mousemove --window "$tray" "$x" 10; done
        sleep 0.1
    done
}
