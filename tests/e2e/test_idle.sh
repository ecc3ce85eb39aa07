# The idle monitor-off and the one-time delay, driven through their dialogs:
# the idle minute with the program's real timers, the delay's and the
# countdown's ticks posted.

E2E_SEND_COMMAND="$(dirname "$E2E_BUILT_EXE")/post_command.exe"
E2E_IDLE_DISPLAY_OFF='SendMessageW <frame> 274 61808 2'
# A pattern: the parentheses are escaped.
E2E_DELAY_CAPTION='Umbrix after n Minutes \(One Time\)'

# The frame's handle differs per run.
idle_norm() { sed -E 's/^SendMessageW [0-9]+ /SendMessageW <frame> /'; }

# send_command ID: the menu command ID reaches the running frame.
send_command() { wine "$E2E_SEND_COMMAND" "$E2E_CAPTION" "$1" </dev/null >>"$E2E_LOG" 2>&1; }

# user_input: a pointer move over the shown frame, which Wine counts as user
# input; the pointer then rests on the bare root window, where moves are not
# input and no dialog will open under it.
user_input() {
    local id
    id="$(find_visible "$E2E_CAPTION" | head -n 1)"
    [ -n "$id" ] || return 1
    xdotool mousemove --window "$id" 40 40
    sleep 0.3
    xdotool mousemove --window "$id" 60 45
    sleep 0.3
    xdotool mousemove 1279 1023
}

# focus_dialog CAPTION: prints the id once the dialog is shown and focused.
focus_dialog() {
    local id
    id="$(wait_visible "$1" 10 | head -n 1)"
    [ -n "$id" ] || return 1
    timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null || true
    echo "$id"
}

# save_minutes CAPTION: in the open dialog, ticks its first box (Alt+U), sets
# the minutes to 1 and presses Save; the key presses are the user's last
# input. Sets E2E_SAVED_MS to the moment of Save.
save_minutes() {
    local id
    id="$(focus_dialog "$1")" || return 1
    xdotool key --clearmodifiers alt+u
    sleep 0.3
    xdotool key --clearmodifiers Tab End BackSpace BackSpace BackSpace BackSpace
    xdotool type 1
    sleep 0.3
    xdotool key --clearmodifiers Return
    E2E_SAVED_MS=$(now_ms)
    wait_hidden "$1" 10
}

# Saves the idle monitor-off with 1 minute through its dialog. The program
# starts with it off: an idle time left over from an earlier test that lies
# between 1 and 2 minutes would otherwise fire at the first check, as it
# should.
idle_monitor_off_setup() {
    reg_set_dword ConfirmationDialogVoiceAlert 0
    start_first :settings || return 1
    wait_visible "$E2E_CAPTION" 10 >/dev/null || return 1
    send_command 32801
    save_minutes 'Umbrix if Computer Idle' || { e2e_fail "idle monitor-off saved with 1 minute"; return 1; }
    check_eq "saved enabled with 1 minute" "REG_DWORD 0x1 REG_DWORD 0x1" "$(reg_get EnableIdleUBX) $(reg_get IdleUBXMins)"
}

# The one idle minute waited out in real time: input 40 s after Save starts
# the minute again, so the countdown opens a minute after that input. The
# countdown's own 30 ticks are posted.
test_idle_monitor_off_counts_down_a_minute_after_the_last_input() {
    local base input opened
    idle_monitor_off_setup || return
    base=$(journal_count)
    check "no countdown within 40 s of Save" stays_hidden "$E2E_CONFIRM_CAPTION" \
        "$(awk -v ms=$((E2E_SAVED_MS + 40000 - $(now_ms))) 'BEGIN { printf "%.1f", ms / 1000 }')"
    input=$(now_ms)
    check "a mouse move 40 s after Save" user_input
    check "no countdown 75 s after Save" stays_hidden "$E2E_CONFIRM_CAPTION" 35
    check "countdown opens a minute after the mouse move" wait_visible "$E2E_CONFIRM_CAPTION" 30
    opened=$(($(now_ms) - input))
    check "not before (${opened} ms after the move)" test "$opened" -ge 59000
    screenshot idle-monitor-off-countdown
    check_eq "nothing journalled before the countdown ends" "" "$(journal_since "$base")"
    post_countdown 20
    check "20 of its 30 seconds switch nothing off" test "$(sleep 1; journal_count)" -eq "$base"
    post_countdown 10
    check "display off journalled when the 30 s run out" wait_journal $((base + 2)) 10
    check_eq "display off, no lock" "BlockInput 0"$'\n'"$E2E_IDLE_DISPLAY_OFF" "$(journal_since "$base" | idle_norm)"
    check "countdown closed" wait_hidden "$E2E_CONFIRM_CAPTION" 10
}

# The delay counts ticks of timer 2: 60 posted ticks are its minute.
test_one_time_delay_switches_off_and_locks_after_sixty_ticks() {
    start_first :settings || return
    wait_visible "$E2E_CAPTION" 10 >/dev/null
    send_command 32800
    check "one-time delay dialog opens" wait_visible "$E2E_DELAY_CAPTION" 10
    screenshot one-time-delay-dialog
    local base
    base=$(journal_count)
    check "Save closes the dialog" save_minutes "$E2E_DELAY_CAPTION"
    check_eq "delay stored as running" "REG_DWORD 0x1" "$(reg_get EnableDurationUBX)"
    check_eq "1 minute stored" "REG_DWORD 0x1" "$(reg_get DurationUBXMins)"
    post_timer "$E2E_CAPTION" 2 50 child
    check "nothing after 50 ticks" test "$(sleep 1; journal_count)" -eq "$base"
    post_timer "$E2E_CAPTION" 2 10 child
    check "display off and lock journalled" wait_journal $((base + 3)) 10
    check_eq "display off, then lock" \
        "BlockInput 0"$'\n'"$E2E_IDLE_DISPLAY_OFF"$'\n'"LockWorkStation" "$(journal_since "$base" | idle_norm)"
    check_eq "delay ended" "REG_DWORD 0x0" "$(reg_get EnableDurationUBX)"
}
