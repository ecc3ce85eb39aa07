# Switching the display off and on, locking, and the countdown in front of
# them.

# The frame's handle differs per run; the broadcast handle is 65535.
journal_norm() {
    sed -E 's/^SendMessageW 65535 /SendMessageW <broadcast> /; s/^SendMessageW [0-9]+ /SendMessageW <frame> /'
}

E2E_DISPLAY_OFF='SendMessageW <frame> 274 61808 2'
E2E_DISPLAY_ON='SendMessageW <frame> 274 61808 -1
SetThreadExecutionState 2'

# second_start ARGS: runs a second start; sets E2E_GOT to what it journalled,
# normalised.
second_start() {
    local base
    base=$(journal_count)
    if run_second "$@"; then
        E2E_GOT="$(journal_since "$base" | journal_norm)"
    else
        E2E_GOT="(second start did not end)"
    fi
}

# wait_lines_ms N SECONDS: prints the time once the journal holds N lines.
# Polled without a pause, so the time is late by one poll at most.
wait_lines_ms() {
    local deadline
    deadline=$(deadline_ms "$2")
    until [ -f "$E2E_JOURNAL" ] && [ "$(wc -l <"$E2E_JOURNAL")" -ge "$1" ]; do
        past "$deadline" && return 1
    done
    now_ms
}

test_action_9_switches_display_off() {
    # The running instance carries the request out: it keeps the real pause.
    UMBRIX_JOURNAL_PAUSE_MS='' start_first :silent || return
    local base lifted off gap
    base=$(journal_count)
    umbrix_start 9
    E2E_SECOND_PID=$UMBRIX_PID
    lifted=$(wait_lines_ms $((base + 1)) 20)
    off=$(wait_lines_ms $((base + 2)) 10)
    check "second start ends" wait_exit "$E2E_SECOND_PID" 10
    check_eq "block lifted, then display off sent to the frame" \
        "BlockInput 0"$'\n'"$E2E_DISPLAY_OFF" "$(journal_since "$base" | journal_norm)"
    # The pause itself, not the process start: 1.6 s less a late first poll.
    gap=$((${off:-0} - ${lifted:-0}))
    check "display off 1.6 s after the block was lifted (${gap} ms)" test -n "$lifted" -a "$gap" -ge 1450
    check "frame stays hidden" stays_hidden "$E2E_CAPTION" 0.5
}

test_action_9_blocks_input_when_mouse_may_not_wake() {
    reg_set_dword AllowWakeUpWithMouse 0
    start_first :silent || return
    second_start 9
    check_eq "lift, block, display off" \
        "BlockInput 0"$'\n'"BlockInput 1"$'\n'"$E2E_DISPLAY_OFF" "$E2E_GOT"
}

test_wake_flag_of_wrong_type_reads_as_default() {
    reg_set_sz AllowWakeUpWithMouse 0
    start_first :silent || return
    second_start 9
    check_eq "text value reads as the default 1: no block" \
        "BlockInput 0"$'\n'"$E2E_DISPLAY_OFF" "$E2E_GOT"
}

test_password_companion_missing_keeps_display_on() {
    reg_set_dword EnableSellory 1
    start_first :silent || return
    local base id
    base=$(journal_count)
    umbrix_start 9
    E2E_SECOND_PID=$UMBRIX_PID
    id="$(wait_visible Umbrix 10 | head -n 1)"
    check "password message box is shown" test -n "$id"
    screenshot password-companion-missing
    check "second start waits for the message box" pid_alive "$E2E_SECOND_PID"
    if [ -n "$id" ]; then
        timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null || true
        xdotool key --clearmodifiers Return
    fi
    check "second start ends once the message is answered" wait_exit "$E2E_SECOND_PID" 10
    check_eq "no display-off request" "BlockInput 0" "$(journal_since "$base" | journal_norm)"
}

test_action_12_switches_display_on() {
    start_first :silent || return
    second_start 12
    check_eq "display-on sent to the frame" "$E2E_DISPLAY_ON" "$E2E_GOT"
}

test_action_14_locks_then_switches_display_off() {
    start_first :silent || return
    second_start 14
    check_eq "lock, lift, display off" \
        "LockWorkStation"$'\n'"BlockInput 0"$'\n'"$E2E_DISPLAY_OFF" "$E2E_GOT"
}

test_plain_second_start_switches_display_off() {
    start_first :silent || return
    second_start
    check_eq "running instance switches the display off" \
        "BlockInput 0"$'\n'"$E2E_DISPLAY_OFF" "$E2E_GOT"
}

test_plain_first_start_switches_display_off() {
    start_first || return
    wait_journal 3 10
    check_eq "companion start, then display off" \
        "$(companion_line)"$'\n'"BlockInput 0"$'\n'"$E2E_DISPLAY_OFF" "$(journal | journal_norm)"
    check "frame stays hidden" stays_hidden "$E2E_CAPTION" 0.5
}

test_negative_first_start_switches_display_off() {
    start_first -3 || return
    wait_journal 3 10
    check_eq "companion start, then display off" \
        "$(companion_line)"$'\n'"BlockInput 0"$'\n'"$E2E_DISPLAY_OFF" "$(journal | journal_norm)"
}

test_action_1009_counts_down_before_display_off() {
    reg_set_dword ConfirmationDialogVoiceAlert 0
    start_first :silent || return
    local base
    base=$(journal_count)
    umbrix_start 1009
    E2E_SECOND_PID=$UMBRIX_PID
    check "Escape reaches the countdown dialog" answer_countdown Escape
    check "second start ends after Escape" wait_exit "$E2E_SECOND_PID" 10
    check_eq "Escape leaves the display on" "" "$(journal_since "$base")"

    base=$(journal_count)
    umbrix_start 1009
    E2E_SECOND_PID=$UMBRIX_PID
    wait_visible "$E2E_CONFIRM_CAPTION" 10 >/dev/null
    screenshot confirmation-1009
    check "Enter reaches the countdown dialog" answer_countdown Return
    check "second start ends after Enter" wait_exit "$E2E_SECOND_PID" 10
    check_eq "Enter switches the display off" \
        "BlockInput 0"$'\n'"$E2E_DISPLAY_OFF" "$(journal_since "$base" | journal_norm)"
}

# The voice alert speaks the message once, at the first tick: it shows the
# dialog's text with the number already counted down from 15.
test_action_1009_speaks_its_message_once() {
    start_first :silent || return
    local base
    base=$(journal_count)
    umbrix_start 1009
    E2E_SECOND_PID=$UMBRIX_PID
    check "countdown dialog is shown" wait_visible "$E2E_CONFIRM_CAPTION" 10
    wait_journal $((base + 1)) 5
    sleep 1.5
    check "Escape reaches the countdown dialog" answer_countdown Escape
    check "second start ends after Escape" wait_exit "$E2E_SECOND_PID" 10
    check_eq "spoken once, nothing else requested" \
        'Speak "Action Umbrix would be performed after 14 seconds."' "$(journal_since "$base")"
}
