# Vandric.exe under Wine: the schedule dialog at start, the countdown in the
# tray, the timed request, the Exit question, the messages other programs may
# send its main window, and its hot key. VANDRIC_JOURNAL is always set, to the
# same file the journal helpers read.

V_SCHEDULE='Schedule Action - Vandric'
V_SETTINGS='Settings - Vandric'
V_KEY='HKCU\Software\Corvane\Vandric\Settings'
V_PRIVILEGE='AdjustTokenPrivileges "SeShutdownPrivilege"'
V_DISPLAY_OFF='^SendMessageW [0-9]+ 274 61808 2$'

# Copies Vandric.exe and the message helper into a folder of their own and
# points VANDRIC_JOURNAL at this test's journal. False (test skipped) when
# they were not built.
vandric_setup() {
    local dir="$E2E_ROOT/vandric" f
    for f in Vandric.exe post_message.exe; do
        if [ ! -f "$E2E_REPO/build/win/$f" ]; then
            skip "Vandric" "build/win/$f missing"
            return 1
        fi
    done
    mkdir -p "$dir"
    cp "$E2E_REPO/build/win/Vandric.exe" "$E2E_REPO/build/win/post_message.exe" "$dir/"
    V_EXE="$dir/Vandric.exe"
    V_POST="$dir/post_message.exe"
    VANDRIC_JOURNAL="$UMBRIX_JOURNAL"
    export VANDRIC_JOURNAL
}

vandric_start() {
    wine "$V_EXE" </dev/null >>"$E2E_LOG" 2>&1 &
    V_PID=$!
    E2E_PIDS+=("$V_PID")
}

v_reg_get() { reg_get "$1" "$V_KEY"; }
v_reg_dword() { reg_set_dword "$1" "$2" "$V_KEY"; }
v_reg_sz() { reg_set_sz "$1" "$2" "$V_KEY"; }

# v_answer CAPTION KEY: gives the shown window with CAPTION the focus, presses KEY.
v_answer() {
    local id
    id="$(wait_visible "$1" 30 | head -n 1)"
    [ -n "$id" ] || return 1
    timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key --clearmodifiers "$2"
}

# The schedule dialog of the copy just started, answered with Enter (OK) once
# it shows; waits until it is gone so the next copy's dialog is the only one.
vandric_accept() {
    v_answer "$V_SCHEDULE" Return || return 1
    wait_hidden "$V_SCHEDULE" 10
}

# v_message send|post MESSAGE: to the main window, as another program would.
v_message() { timeout 20 wine "$V_POST" "$1" "$V_SETTINGS" "$2" 2>/dev/null | tr -d '\r'; }

# Tray clicks: the icon is the first of Wine's tray window. The menu opens at
# the cursor; its items are about 12 px ("Schedule Action") and 36 px ("Exit")
# below it.
v_tray_point() {
    local tray x y
    tray="$(find_windows 'Wine System Tray' | head -n 1)"
    [ -n "$tray" ] || return 1
    eval "$(xdotool getwindowgeometry --shell "$tray")"
    V_TRAY_X=$((X + 10))
    V_TRAY_Y=$((Y + 10))
}
v_tray_menu() {
    tray_sweep
    v_tray_point || return 1
    xdotool mousemove "$V_TRAY_X" "$V_TRAY_Y" click 3
    wait_menu vandric.exe 5 >/dev/null
}
v_tray_choose() {
    local offset=12
    [ "$1" = Exit ] && offset=36
    xdotool mousemove $((V_TRAY_X + 25)) $((V_TRAY_Y + offset)) click 1
}

test_vandric_fresh_profile_asks_with_the_defaults() {
    vandric_setup || return
    vandric_start
    check "schedule dialog shows at start" wait_visible "$V_SCHEDULE" 30
    check "main window exists, hidden" test -n "$(find_windows "$V_SETTINGS")"
    check "and stays hidden" stays_hidden "$V_SETTINGS" 1
    check_eq "last schedule emptied at start" "REG_SZ " "$(v_reg_get LastSchedule)"
    screenshot vandric-schedule-fresh
    check "OK reaches the dialog" vandric_accept
    check_eq "Action stored" "REG_SZ Shutdown" "$(v_reg_get Action)"
    check_eq "Duration stored" "REG_DWORD 0x3c" "$(v_reg_get Duration)"
    check_eq "monitor-off box was checked" "REG_DWORD 0x1" "$(v_reg_get POM)"
    check "last schedule stored" test "$(v_reg_get LastSchedule)" != "REG_SZ "
    check "display off journalled after OK" wait_journal 1 10
    check "through the own window" grep -Eq "$V_DISPLAY_OFF" <<<"$(journal)"
    check_eq "and nothing else but the request to stay awake" "$V_AWAKE" "$(journal | grep -Ev "$V_DISPLAY_OFF")"
    check "keeps counting" pid_alive "$V_PID"
}

test_vandric_cancel_at_start_ends_without_request() {
    vandric_setup || return
    vandric_start
    check "Escape reaches the schedule dialog" v_answer "$V_SCHEDULE" Escape
    check "program ends" wait_exit "$V_PID" 15
    check_eq "nothing journalled" "" "$(journal)"
    check_eq "nothing but the emptied last schedule stored" "" "$(v_reg_get Action)"
}

# The main window's interface for other programs, the tray menu and Exit.
test_vandric_messages_tray_menu_and_exit() {
    vandric_setup || return
    v_reg_dword POM 0
    vandric_start
    check "OK reaches the schedule dialog" vandric_accept
    check_eq "box unchecked: nothing requested but to stay awake" "SetThreadExecutionState 2147483649" "$(journal)"

    check_eq "monitor-off message answers 1" 1 "$(v_message send 0x402)"
    check "and journals display off" grep -Eq "$V_DISPLAY_OFF" <<<"$(journal)"

    v_message post 0x401 >/dev/null
    check "show-settings message shows the settings window" wait_visible "$V_SETTINGS" 10
    screenshot vandric-settings
    v_message post 0x10 >/dev/null
    check "closing the settings window hides it" wait_hidden "$V_SETTINGS" 10
    check "and the program goes on" pid_alive "$V_PID"

    v_message post 0x403 >/dev/null
    check "schedule message opens the schedule dialog" wait_visible "$V_SCHEDULE" 10
    screenshot vandric-schedule-again
    check "Escape closes it" v_answer "$V_SCHEDULE" Escape
    check "schedule dialog gone" wait_hidden "$V_SCHEDULE" 10

    v_tray_menu
    screenshot vandric-tray-menu
    v_tray_choose "Schedule Action"
    check "tray menu opens the schedule dialog" wait_visible "$V_SCHEDULE" 10
    v_answer "$V_SCHEDULE" Escape
    wait_hidden "$V_SCHEDULE" 10

    v_tray_menu
    v_tray_choose Exit
    check "Exit asks" wait_visible Vandric 10
    screenshot vandric-exit-question
    check "Yes reaches the question" v_answer Vandric y
    check "Yes ends the program" wait_exit "$V_PID" 15
    check "no shut-down, restart or log-off requested" bash -c '! grep -q ExitWindowsEx "$0"' "$E2E_JOURNAL"
}

# A one-minute forced restart: the display goes off after OK, the question
# answered No keeps the count, a second copy counts on its own, and the
# request comes at about 61 s.
test_vandric_timed_restart_with_a_second_copy() {
    vandric_setup || return
    v_reg_sz Action 'restart(brute)'
    v_reg_dword Duration 1
    # The warning window shares the question's caption "Vandric".
    v_reg_dword Warnings 0
    vandric_start
    local first=$V_PID t0
    check "OK reaches the schedule dialog" vandric_accept
    t0=$(now_ms)
    check "display off journalled" wait_journal 1 10
    check "as the first request" grep -Eq "$V_DISPLAY_OFF" <<<"$(journal)"

    v_tray_point && xdotool mousemove "$V_TRAY_X" "$V_TRAY_Y"
    sleep 2
    screenshot vandric-tip

    v_tray_menu
    v_tray_choose Exit
    check "Exit asks" wait_visible Vandric 10
    check "No reaches the question" v_answer Vandric n
    check "question gone" wait_hidden Vandric 10
    check "No keeps the program" pid_alive "$first"

    v_reg_sz Action 'Log Off'
    v_reg_dword Duration 2
    v_reg_dword POM 0
    vandric_start
    local second=$V_PID
    check "second copy asks" vandric_accept

    local deadline
    deadline=$((t0 + 80000))
    while ! journal | grep -q '^ExitWindowsEx' && ! past "$deadline"; do sleep 0.2; done
    local after=$(( $(now_ms) - t0 ))
    check "forced restart requested within 80 s" journal_has_line "ExitWindowsEx 6 0"
    check "not before 58 s (was ${after} ms)" test "$after" -ge 58000
    check "first copy ends after its request" wait_exit "$first" 15
    check "second copy counts on" pid_alive "$second"
    check_eq "journal: display off, then the privilege and the forced restart only" \
        "SendMessageW HWND 274 61808 2"$'\n'"$V_PRIVILEGE"$'\n'"ExitWindowsEx 6 0" \
        "$(journal | grep -v '^SetThreadExecutionState' | sed -E 's/^SendMessageW [0-9]+ /SendMessageW HWND /')"
}

journal_has_line() { journal | grep -qx "$1"; }

# A stored hot key works from the start. Ctrl+Left carries the field's
# extended flag (8), which must not make it Ctrl+Win+Left.
test_vandric_stored_hot_key_on_the_extended_keyboard() {
    vandric_setup || return
    v_reg_dword Key 37
    v_reg_dword Mod 10
    v_reg_dword POM 0
    vandric_start
    check "OK reaches the schedule dialog" vandric_accept
    check "no registration failure shown" stays_hidden Vandric 1
    # WM_HOTKEY arrives only while a Wine window has the X focus.
    timeout 5 xdotool windowfocus --sync "$(find_windows 'Wine System Tray' | head -n 1)" 2>/dev/null
    xdotool key --clearmodifiers ctrl+Left
    # The first line is the countdown's request to stay awake.
    check "Ctrl+Left journals display off" wait_journal 2 5
    check "as display off" grep -Eq "$V_DISPLAY_OFF" <<<"$(journal)"
}

# v_start_args ARG...: a copy started with a command line.
v_start_args() {
    wine "$V_EXE" "$@" </dev/null >>"$E2E_LOG" 2>&1 &
    V_PID=$!
    E2E_PIDS+=("$V_PID")
}
v_command() { wine "$(dirname "$E2E_BUILT_EXE")/post_command.exe" "$V_SETTINGS" "$1" </dev/null >>"$E2E_LOG" 2>&1; }
# Everything posted before has been handled once the settings window, shown
# by a command posted after it, is visible; then it is hidden again.
v_posted_handled() {
    v_command 32777 && wait_visible "$V_SETTINGS" 20 >/dev/null && v_message post 0x10 >/dev/null &&
        wait_hidden "$V_SETTINGS" 10
}
V_AWAKE='SetThreadExecutionState 2147483649'
V_RELEASE='SetThreadExecutionState 2147483648'

# `Vandric.exe restart 1` counts down at once, the warning window with it;
# "Add 10 Minutes" moves the request 10 minutes on; `Vandric.exe cancel`
# ends another copy without its request; a bad command line starts nothing.
test_vandric_command_line_add_and_cancel() {
    vandric_setup || return
    v_reg_dword Duration 7
    v_start_args restart 1
    local first=$V_PID
    check "the warning window shows at once" wait_visible Vandric 30
    check "and no schedule window" test -z "$(find_visible "$V_SCHEDULE")"
    screenshot vandric-warning-window
    v_command 32779
    check "Add 10 Minutes closes the warning window" wait_hidden Vandric 10
    post_timer "$V_SETTINGS" 1 600
    check "600 ticks handled" v_posted_handled
    check_eq "no request after 10 minutes" "$V_AWAKE" "$(journal)"
    check "the warning window is back for the last minute" wait_visible Vandric 10
    post_timer "$V_SETTINGS" 1 61
    check "the restart ends the program" wait_exit "$first" 20
    check_eq "restart requested, then the stay-awake request withdrawn" \
        "$V_AWAKE"$'\n'"$V_PRIVILEGE"$'\n'"ExitWindowsEx 2 0"$'\n'"$V_RELEASE" "$(journal)"
    check_eq "the stored duration is kept" "REG_DWORD 0x7" "$(v_reg_get Duration)"

    : >"$E2E_JOURNAL"
    v_start_args LOGOFF 30 monitoroff
    local second=$V_PID
    check "second copy counts" wait_journal 2 30
    wine "$V_EXE" cancel </dev/null >>"$E2E_LOG" 2>&1
    check_eq "cancel exits with 0" 0 "$?"
    check "and ends the counting copy" wait_exit "$second" 15
    check_eq "display off at once, no request at the cancel" "$V_AWAKE|SendMessageW HWND 274 61808 2|$V_RELEASE" \
        "$(journal | sed -E 's/^SendMessageW [0-9]+ /SendMessageW HWND /' | paste -sd'|')"

    v_start_args logoff 5 brute
    local bad=$V_PID
    check "a bad command line shows the usage" wait_visible Vandric 30
    screenshot vandric-usage
    v_answer Vandric Return
    local deadline
    deadline=$(deadline_ms 15)
    while pid_alive "$bad" && ! past "$deadline"; do sleep 0.1; done
    check "and ends" pid_ended "$bad"
    if pid_ended "$bad"; then
        wait "$bad" 2>/dev/null
        check_eq "with exit code 2" 2 "$?"
    fi
    check_eq "nothing started" "" "$(find_windows "$V_SETTINGS")"
}
