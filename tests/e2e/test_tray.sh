# The tray icon, its menu and click actions, the two global hot keys and the
# settings window, driven with the mouse and the keyboard through xdotool.

E2E_TRAY_CAPTION='Wine System Tray'
E2E_DISPLAY_OFF_LINE='SendMessageW <frame> 274 61808 2'

tray_norm() { sed -E 's/^SendMessageW [0-9]+ /SendMessageW <frame> /'; }

# The tray window, once the program's icon is in it.
tray_window() { wait_window "$E2E_TRAY_CAPTION" 10 | head -n 1; }

# Clicks the icon in the first place of the tray window with BUTTON; REPEAT
# 2 makes a double click. Icons left behind by programs ended by force are
# swept away first.
tray_click() {
    local tray
    tray="$(tray_window)"
    [ -n "$tray" ] || return 1
    tray_sweep
    xdotool mousemove --window "$tray" 10 10 click --repeat "${2:-1}" --delay 80 "$1"
}

# The shown pop-up menu of Umbrix: a visible unnamed window of the program.
tray_menu() { wait_menu umbrix.exe 5; }

# tray_choose first|umbrix: opens the menu with a right click and clicks its
# first item ("Exit") or "Umbrix", above the separator and the last item, the
# "Keep Awake" sub-menu (items 16 pixels high, the separator 10).
tray_choose() {
    local menu HEIGHT WIDTH X Y SCREEN WINDOW
    tray_click 3 || return 1
    menu="$(tray_menu)" || return 1
    eval "$(xdotool getwindowgeometry --shell "$menu")"
    if [ "$1" = first ]; then
        xdotool mousemove --window "$menu" 40 11 click 1
    else
        xdotool mousemove --window "$menu" 40 $((HEIGHT - 37)) click 1
    fi
}

# journal_lines_since BASE SECONDS N: waits for N new lines, prints them
# normalised.
journal_lines_since() {
    wait_journal $(($1 + $3)) "$2" || true
    sleep 0.3
    journal_since "$1" | tray_norm
}

# Focuses the tray window (hot keys arrive only while a Wine window has the
# focus) and presses KEYS.
press_hot_key() {
    timeout 5 xdotool windowfocus --sync "$(tray_window)" 2>/dev/null || true
    xdotool key --clearmodifiers "$1"
}

test_shell_tray_icon_menu_and_double_click() {
    start_first :silent || return
    local tray base menu
    tray="$(tray_window)"
    check "the icon's tray window exists" test -n "$tray"
    base=$(journal_count)
    tray_click 3
    menu="$(tray_menu)"
    check "a right click opens the tray menu" test -n "$menu"
    screenshot tray-menu
    xdotool key Escape
    [ -n "$menu" ] && timeout 3 xdotool windowunmap --sync "$menu" 2>/dev/null
    check_eq "opening the menu requests nothing" "" "$(journal_since "$base")"

    tray_click 1 2
    check_eq "a left double click switches the display off" \
        "BlockInput 0"$'\n'"$E2E_DISPLAY_OFF_LINE" "$(journal_lines_since "$base" 10 2)"

    base=$(journal_count)
    tray_choose umbrix
    check_eq "the menu's \"Umbrix\" item switches the display off" \
        "BlockInput 0"$'\n'"$E2E_DISPLAY_OFF_LINE" "$(journal_lines_since "$base" 10 2)"
}

test_shell_hot_keys_switch_off_and_lock() {
    reg_set_dword Key 120        # F9
    reg_set_dword Mod 2          # Ctrl
    reg_set_dword LockKey 121    # F10
    reg_set_dword LockMod 2
    start_first :silent || return
    local base
    base=$(journal_count)
    press_hot_key ctrl+F9
    check_eq "the first hot key switches the display off" \
        "BlockInput 0"$'\n'"$E2E_DISPLAY_OFF_LINE" "$(journal_lines_since "$base" 10 2)"
    base=$(journal_count)
    press_hot_key ctrl+F10
    check_eq "the second hot key locks first" \
        "BlockInput 0"$'\n'"LockWorkStation"$'\n'"$E2E_DISPLAY_OFF_LINE" "$(journal_lines_since "$base" 10 3)"

    # With the countdown configured, Escape in it cancels the press.
    reg_set_dword HotKeyConfDisplay 1
    reg_set_dword HotKeyConfDuration 30
    base=$(journal_count)
    press_hot_key ctrl+F9
    check "the countdown opens" answer_countdown Escape
    check "cancelled countdown: the display stays on" stays_empty_journal "$base" 2
}

stays_empty_journal() {
    sleep "$2"
    [ -z "$(journal_since "$1" | grep -v '^Speak ')" ]
}

test_shell_same_combination_for_both_hot_keys() {
    reg_set_dword Key 120
    reg_set_dword Mod 2
    reg_set_dword LockKey 120
    reg_set_dword LockMod 2
    umbrix_start :silent
    E2E_FIRST_PID=$UMBRIX_PID
    local id base
    id="$(wait_visible Umbrix 30 | head -n 1)"
    check "the second registration's failure is shown" test -n "$id"
    screenshot hot-key-taken
    answer_box Return
    check "the program goes on" pid_alive "$E2E_FIRST_PID"
    check_eq "the stored value stays" "REG_DWORD 0x78" "$(reg_get LockKey)"
    wait_journal 1 10
    base=$(journal_count)
    press_hot_key ctrl+F9
    check_eq "the combination switches the display off without locking" \
        "BlockInput 0"$'\n'"$E2E_DISPLAY_OFF_LINE" "$(journal_lines_since "$base" 10 2)"
}

test_shell_exit_with_a_hot_key_asks_first() {
    reg_set_dword Key 120
    reg_set_dword Mod 2
    start_first :silent || return
    tray_choose first
    check "Exit asks" answer_box n
    sleep 1
    check "\"No\" keeps the program running" pid_alive "$E2E_FIRST_PID"
    tray_choose first
    check "Exit asks again" answer_box y
    check "\"Yes\" ends the program" wait_exit "$E2E_FIRST_PID" 15
}

# The settings window opens with the focus on its invisible holder, not in a
# hot-key field that would take Alt+K as its combination: Alt+K ticks
# "&Keep System Active...", and Return saves.
focus_settings_form() {
    local frame
    frame="$(wait_visible "$E2E_CAPTION" 10 | head -n 1)"
    [ -n "$frame" ] || return 1
    timeout 5 xdotool windowfocus --sync "$frame" 2>/dev/null || true
    sleep 0.2
}

test_shell_settings_save_writes_every_field_and_keeps_awake() {
    start_first :settings || return
    local base
    check "settings window is shown and focused" focus_settings_form
    screenshot shell-settings-window
    base=$(journal_count)
    xdotool key --clearmodifiers alt+k
    sleep 0.3
    xdotool key --clearmodifiers Return
    check "Save hides the window" wait_hidden "$E2E_CAPTION" 10
    check_eq "keep awake is requested" "SetThreadExecutionState 2147483651" "$(journal_lines_since "$base" 5 1)"
    local name expected
    for pair in "KeepSystemActive|REG_DWORD 0x1" "HotKeyConfDuration|REG_DWORD 0x1" \
        "HotKeyConfDisplay|REG_DWORD 0x0" "HotKeyConfDurationLock|REG_DWORD 0x1" \
        "HotKeyConfDisplayLock|REG_DWORD 0x0" "SystemTrayIconFile|REG_SZ " \
        "ConfirmationDialogVoiceAlert|REG_DWORD 0x1" "AllowWakeUpWithMouse|REG_DWORD 0x1" \
        "EnableSellory|REG_DWORD 0x0" "Key|REG_DWORD 0x0" "Mod|REG_DWORD 0x0" "LockKey|REG_DWORD 0x0" \
        "Left Button Click Action|REG_DWORD 0xffffffff" "Right Button Double Click Action|REG_DWORD 0xffffffff"; do
        name="${pair%%|*}"
        expected="${pair#*|}"
        check_eq "Save writes $name" "$expected" "$(reg_get "$name")"
    done
}
