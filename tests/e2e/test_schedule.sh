# Triggers from the clock, the cursor and the power state: the daily
# switch-off, the screen-corner action, hibernate with a wake-up timer, and
# the dialogs behind them, opened from the settings window's File menu.

# FILETIME count (100 ns since 1601) to Unix seconds.
filetime_to_unix() { echo $(($1 / 10000000 - 11644473600)); }

# open_from_file_menu KEY CAPTION: opens the dialog with that access key of
# the File menu; prints its window id.
open_from_file_menu() {
    local frame
    frame="$(wait_visible "$E2E_CAPTION" 15 | head -n 1)"
    [ -n "$frame" ] || return 1
    timeout 5 xdotool windowfocus --sync "$frame" 2>/dev/null
    xdotool key --clearmodifiers alt+f
    wait_menu umbrix.exe 5 >/dev/null || return 1
    xdotool key "$1"
    wait_visible "$2" 10 | head -n 1
}

close_dialog() {
    timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null
    xdotool key Escape
    wait_hidden "$2" 10
}

test_schedule_dialogs_open_from_the_file_menu() {
    umbrix_start :settings
    local key caption id
    for key in d c b; do
        case $key in
        d) caption='Umbrix - Umbrix Daily' ;;
        c) caption='Umbrix - To Do When Cursor Reaches Corner' ;;
        b) caption='Umbrix - Define Battery Power Alert' ;;
        esac
        id="$(open_from_file_menu "$key" "$caption")"
        check "File menu '$key' opens '$caption'" test -n "$id"
        screenshot "dialog-${caption//[^A-Za-z]/_}"
        [ -n "$id" ] && check "'$caption' closes with Escape" close_dialog "$id" "$caption"
    done
}

test_action_13_sets_wake_up_timer_and_hibernates() {
    start_first :silent || return
    local base id t0 got due
    base=$(journal_count)
    umbrix_start 13
    E2E_SECOND_PID=$UMBRIX_PID
    id="$(wait_visible 'Umbrix - Hibernate & WakeUp' 15 | head -n 1)"
    check "the wake-up dialog is shown" test -n "$id"
    [ -n "$id" ] || return
    screenshot hibernate-and-wake-up
    timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null
    # A fresh profile shows "A&fter" 0 hours 1 minute.
    t0=$(date +%s)
    xdotool key --clearmodifiers Return
    check "second start ends after OK" wait_exit "$E2E_SECOND_PID" 15
    got="$(journal_since "$base" | sed -E 's/^SetWaitableTimer [0-9]+ /SetWaitableTimer <due> /')"
    check_eq "test timer, then timer, hibernate request, cancel" \
        "CreateWaitableTimerW
SetWaitableTimer <due> 0 1
CancelWaitableTimer
CloseHandle
CreateWaitableTimerW
SetWaitableTimer <due> 0 1
AdjustTokenPrivileges \"SeShutdownPrivilege\"
SetSuspendState 1 0 0
CancelWaitableTimer
CloseHandle" "$got"
    due="$(journal_since "$base" | sed -n 's/^SetWaitableTimer \([0-9]*\) .*/\1/p' | tail -n 1)"
    if [ -n "$due" ]; then
        due=$(filetime_to_unix "$due")
        check "wake-up due one minute after OK ($((due - t0)) s)" test $((due - t0)) -ge 58 -a $((due - t0)) -le 61
    fi
    check_eq "the choice is stored" "REG_DWORD 0x1" "$(reg_get 'Resume Mins')"
}


test_daily_switch_off_fires_at_its_second() {
    local at target base
    target=$(($(date +%s) + 12))
    at="$(date -d "@$target" '+%-m/%-d/%Y %-I:%M:%S %p')"
    reg_set_dword 'Turn Off Daily' 1
    reg_set_dword 'Lock Daily' 1
    reg_set_sz 'Turn Off Daily Time' "$at"
    start_first :silent || return
    base=$(journal_count)
    check "lock and display off journalled" wait_journal $((base + 3)) 40
    check_eq "lock first, then display off" \
        "BlockInput 0"$'\n'"LockWorkStation"$'\n'"SendMessageW <frame> 274 61808 2" \
        "$(journal_since "$base" | sed -E 's/^SendMessageW [0-9]+ /SendMessageW <frame> /')"
    local now
    now=$(date +%s)
    check "at its second ($((now - target)) s after it)" test "$now" -ge "$target" -a "$now" -le $((target + 4))
    check "nothing more that day" test "$(sleep 4; journal_count)" -eq $((base + 3))
}

test_screen_corner_runs_once_per_visit() {
    local base w
    reg_set_dword CursorLocationForAction 1
    reg_set_dword 'Do Action at Screen Corner' 1
    reg_set_sz 'Action at Screen Corner' Umbrix
    w=$(xdpyinfo | sed -n 's/ *dimensions: *\([0-9]*\)x.*/\1/p')
    xdotool mousemove 400 400
    start_first :silent || return
    sleep 2
    base=$(journal_count)
    xdotool mousemove $((w - 1)) 0
    check "display off once the cursor sits in the corner" wait_journal $((base + 2)) 10
    sleep 4
    check_eq "once while it rests there" "BlockInput 0"$'\n'"SendMessageW <frame> 274 61808 2" \
        "$(journal_since "$base" | sed -E 's/^SendMessageW [0-9]+ /SendMessageW <frame> /')"
    xdotool mousemove 400 400
    sleep 3
    xdotool mousemove $((w - 1)) 0
    check "again after leaving and coming back" wait_journal $((base + 4)) 10
    xdotool mousemove 400 400
}
