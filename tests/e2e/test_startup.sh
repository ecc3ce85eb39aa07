# Start-up, the single-instance hand-over and the command line, seen from
# outside: which windows show, what the journal holds, and that a second start
# ends only after the running instance has handled its request.

E2E_PRIVILEGE='AdjustTokenPrivileges "SeShutdownPrivilege"'

test_silent_first_instance_stays_hidden() {
    start_first :silent || return
    check "frame stays hidden" stays_hidden "$E2E_CAPTION" 2
    check "first instance keeps running" pid_alive "$E2E_FIRST_PID"
    check_eq "journal holds only the companion start" "$(companion_line)" "$(journal)"
}

test_silent_in_upper_case_starts_first_instance_silently() {
    start_first :SILENT || return
    check "frame stays hidden" stays_hidden "$E2E_CAPTION" 2
    check_eq "journal holds only the companion start" "$(companion_line)" "$(journal)"
}

test_silent_wins_over_settings_in_first_instance() {
    start_first ":settings :silent" || return
    check "frame stays hidden" stays_hidden "$E2E_CAPTION" 2
}

test_settings_first_instance_shows_frame() {
    start_first :settings || return
    check "frame is shown" wait_visible "$E2E_CAPTION" 10
    screenshot settings-window
    check_eq "journal holds only the companion start" "$(companion_line)" "$(journal)"
}

# One running instance receives every power action in turn; each request's
# lines must be in the journal the moment the second process has ended.
test_second_start_runs_power_actions() {
    start_first :silent || return
    local cases=(
        "1|$E2E_PRIVILEGE;ExitWindowsEx 1 0"
        "2|$E2E_PRIVILEGE;ExitWindowsEx 5 0"
        "3|$E2E_PRIVILEGE;ExitWindowsEx 0 0"
        "4|$E2E_PRIVILEGE;ExitWindowsEx 4 0"
        "5|$E2E_PRIVILEGE;ExitWindowsEx 2 0"
        "6|$E2E_PRIVILEGE;ExitWindowsEx 6 0"
        "10|$E2E_PRIVILEGE;SetSystemPowerState 1 1"
        "11|$E2E_PRIVILEGE;SetSuspendState 1 0 0"
        "17|SetSuspendState 0 0 0"
        "-1|"
    )
    local c arg expected base
    for c in "${cases[@]}"; do
        arg="${c%%|*}"
        expected="$(printf '%s' "${c#*|}" | tr ';' '\n')"
        base=$(journal_count)
        if ! run_second "$arg"; then
            e2e_fail "second start '$arg' ends" "still running after 20 s"
            continue
        fi
        check_eq "second start '$arg' journals its requests before it ends" "$expected" "$(journal_since "$base")"
    done
    check "frame stays hidden after all of them" stays_hidden "$E2E_CAPTION" 1
    check "running instance survives" pid_alive "$E2E_FIRST_PID"
}

# 1002: shut-down forced, behind the countdown. The second start waits for it;
# its 15 ticks are posted.
test_confirmed_action_waits_for_the_countdown() {
    start_first :silent || return
    local base ids
    base=$(journal_count)
    umbrix_start 1002
    E2E_SECOND_PID=$UMBRIX_PID
    ids="$(wait_visible "$E2E_CONFIRM_CAPTION" 10)"
    check "countdown dialog is shown" test -n "$ids"
    screenshot confirmation-1002
    post_countdown 10
    check "second start still waits after 10 of the 15 seconds" test "$(sleep 1; pid_alive "$E2E_SECOND_PID" && echo y)" = y
    check_eq "nothing but the voice alert requested during the countdown" "" \
        "$(journal_since "$base" | grep -v '^Speak ')"
    post_countdown 5
    check "second start ends after the countdown" wait_exit "$E2E_SECOND_PID" 10
    check_eq "voice alert once at the first tick, then forced shut-down after the countdown" \
        'Speak "Action ShutDown Computer (Brute) would be performed after 14 seconds."'$'\n'"$E2E_PRIVILEGE"$'\n'"ExitWindowsEx 5 0" \
        "$(journal_since "$base")"
}

test_countdown_answered_with_enter_or_escape() {
    # Without the voice alert the journal holds only the action's requests,
    # however long the key press takes to arrive.
    reg_set_dword ConfirmationDialogVoiceAlert 0
    start_first :silent || return
    local base
    base=$(journal_count)
    umbrix_start 1002
    E2E_SECOND_PID=$UMBRIX_PID
    check "Escape reaches the countdown dialog" answer_countdown Escape
    check "second start ends after Escape" wait_exit "$E2E_SECOND_PID" 10
    check_eq "Escape drops the action" "" "$(journal_since "$base")"
    check "countdown dialog is gone" wait_hidden "$E2E_CONFIRM_CAPTION" 5

    base=$(journal_count)
    umbrix_start 1002
    E2E_SECOND_PID=$UMBRIX_PID
    check "Enter reaches the countdown dialog" answer_countdown Return
    check "second start ends after Enter" wait_exit "$E2E_SECOND_PID" 10
    check_eq "Enter runs the action at once" \
        "$E2E_PRIVILEGE"$'\n'"ExitWindowsEx 5 0" "$(journal_since "$base")"
}

# Numbers that name no action, and a typo that reads as 0, bring up the
# settings window of the running instance. The numbers' dispatch is the Win32
# tests' (dispatch_test.cpp); these are the spellings whose way through a real
# command line and hand-over matters.
test_second_start_without_action_shows_settings() {
    local arg base
    for arg in 22 -3 :setting :SILENT :settings; do
        umbrix_kill_all
        start_first :silent || return
        check "'$arg': frame hidden before the second start" stays_hidden "$E2E_CAPTION" 0.5
        base=$(journal_count)
        if ! run_second "$arg"; then
            e2e_fail "second start '$arg' ends" "still running after 20 s"
            continue
        fi
        check "second start '$arg' shows '$E2E_CAPTION'" wait_visible "$E2E_CAPTION" 10
        check_eq "second start '$arg' requests nothing" "" "$(journal_since "$base")"
        check "'$arg': no countdown dialog" stays_hidden "$E2E_CONFIRM_CAPTION" 0.3
    done
}

test_second_start_creates_no_second_frame() {
    start_first :silent || return
    run_second -1
    check_eq "one frame only" 1 "$(find_windows "$E2E_CAPTION" | wc -l)"
    check "second process ended" pid_ended "$E2E_SECOND_PID"
}

# A start typed in a console names the program relatively ("Umbrix.exe 9"
# from its folder): only what follows the name counts. Action 9 and a plain
# start both switch the display off and leave the settings window hidden.
test_console_start_by_relative_name() {
    local arg ids pid
    for arg in 9 ""; do
        umbrix_kill_all
        rm -f "$E2E_JOURNAL"
        # shellcheck disable=SC2086
        (cd "$E2E_ROOT/program" && exec wine cmd /c Umbrix.exe $arg) </dev/null >>"$E2E_LOG" 2>&1 &
        E2E_PIDS+=("$!")
        ids="$(wait_window "$E2E_CAPTION" 30)"
        if [ -z "$ids" ]; then
            e2e_fail "console start 'Umbrix.exe $arg' creates its frame"
            continue
        fi
        pid="$(xdotool getwindowpid "$(echo "$ids" | head -n 1)" 2>/dev/null)"
        [ -n "$pid" ] && E2E_PIDS+=("$pid")
        wait_journal 3 15
        check "console start 'Umbrix.exe $arg' switches the display off" \
            grep -q '^SendMessageW [0-9-]* 274 61808 2$' <(journal)
        check "console start 'Umbrix.exe $arg' keeps the frame hidden" stays_hidden "$E2E_CAPTION" 1
    done
}
