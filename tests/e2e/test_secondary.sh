# The secondary windows in the running program: help videos at the first
# start, the look change that needs a restart, the screen-saver chooser and
# the tip of the day at start-up. Menu commands reach the frame through the
# test helper post_command.exe, as a click in the menu would.

E2E_HELP_CAPTION='Few Help Video Tutorials for Umbrix  From Settings - > Help - > Help Videos'
E2E_SAVER_CHOOSER_CAPTION='Umbrix : Change Default ScreenSaver'
E2E_DESKTOP_KEY='HKCU\Control Panel\Desktop'
E2E_TIP_KEY='HKCU\Software\Corvane\Umbrix\Tip'

umbrix_command() { wine "$E2E_REPO/build/win/post_command.exe" "Umbrix : Settings" "$1" </dev/null >>"$E2E_LOG" 2>&1; }

# press_in CAPTION KEY: gives the shown window with CAPTION the focus, presses KEY.
press_in() {
    local id
    id="$(wait_visible "$1" 10 | head -n 1)"
    [ -n "$id" ] || return 1
    timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key --clearmodifiers "$2"
}

look_stored() { reg_get ApplicationLook "$E2E_WORKSPACE_KEY"; }

test_secondary_help_videos_show_at_the_first_start_only() {
    timeout 30 wine reg delete "$E2E_WORKSPACE_KEY" /v "Help Videos Shown" /f >/dev/null 2>&1
    umbrix_start :silent
    E2E_FIRST_PID=$UMBRIX_PID
    check "help videos are shown at the first start" wait_visible "$E2E_HELP_CAPTION" 30
    screenshot help-videos-334
    check_eq "start-up waits for them: no frame yet" "" "$(find_windows "$E2E_CAPTION")"
    check_eq "the first start is remembered" "REG_DWORD 0x1" "$(reg_get "Help Videos Shown" "$E2E_WORKSPACE_KEY")"
    check "Escape closes them" press_in "$E2E_HELP_CAPTION" Escape
    check "start-up goes on and creates the frame" wait_window "$E2E_CAPTION" 20
    umbrix_kill_all
    start_first :silent || return
    check "the next start shows no help videos" stays_hidden "$E2E_HELP_CAPTION" 3
}

test_secondary_look_change_to_or_from_basic_skin_asks_and_stores_only_with_a_restart() {
    command -v xdotool >/dev/null || { skip "look change" "no xdotool"; return; }
    start_first :silent || return
    umbrix_command 212
    check "leaving Basic Windows Skin asks" wait_visible Umbrix 10
    screenshot look-question
    check "No answers the question" press_in Umbrix n
    check "question is gone" wait_hidden Umbrix 5
    check_eq "No stores nothing" "" "$(look_stored)"
    check "program keeps running after No" pid_alive "$E2E_FIRST_PID"

    umbrix_command 212
    check "Yes answers the question" press_in Umbrix y
    check "Yes closes the program (no hot key set)" wait_exit "$E2E_FIRST_PID" 15
    check_eq "Yes stores the new look" "REG_DWORD 0xd4" "$(look_stored)"

    start_first :silent || return
    umbrix_command 211
    check "Windows XP to Office XP asks nothing" stays_hidden Umbrix 3
    umbrix_kill_all
    check_eq "and stores nothing: the stored look is back after a restart" "REG_DWORD 0xd4" "$(look_stored)"
}

test_secondary_chooser_lists_screen_savers_and_stores_a_choice_at_once() {
    local sys="$WINEPREFIX/drive_c/windows/system32" lines
    cp "$E2E_REPO/build/win/fake_saver.exe" "$sys/E2E Saver.scr"
    cp "$E2E_REPO/build/win/fake_saver.exe" "$sys/e2esaver2.scr"
    timeout 30 wine reg add "$E2E_DESKTOP_KEY" /v SCRNSAVE.EXE /t REG_SZ /d 'C:\windows\system32\e2esaver2.scr' /f \
        >/dev/null 2>&1
    start_first :silent || return
    umbrix_command 32795
    check "command 32795 opens the chooser" wait_visible "$E2E_SAVER_CHOOSER_CAPTION" 10
    screenshot chooser-318
    check "the stored default's preview is started in the dialog" wait_journal $((E2E_BASE + 1)) 5
    check "its path is quoted" \
        grep -q '^CreateProcessW ""C:\\windows\\system32\\e2esaver2.scr" /p [1-9][0-9]*"$' <(journal_since "$E2E_BASE")
    press_in "$E2E_SAVER_CHOOSER_CAPTION" Home && press_in "$E2E_SAVER_CHOOSER_CAPTION" End
    check "choosing the saver with a blank previews it" wait_journal $((E2E_BASE + 2)) 5
    sleep 0.5
    lines="$(journal_since "$E2E_BASE")"
    check "a path with a blank is quoted" grep -q '^CreateProcessW ""C:\\windows\\system32\\E2E Saver.scr" /p ' <<<"$lines"
    local stored
    stored="$(reg_get SCRNSAVE.EXE "$E2E_DESKTOP_KEY")"
    case "$stored" in
        'REG_SZ C:\windows\system32\E2E Saver.scr' | 'REG_SZ C:\windows\system32\e2esaver2.scr')
            e2e_ok "the choice is stored at once ($stored)" ;;
        *) e2e_fail "the choice is stored at once" "SCRNSAVE.EXE: $stored" ;;
    esac
    check "Escape closes the chooser" press_in "$E2E_SAVER_CHOOSER_CAPTION" Escape
    check "chooser is gone" wait_hidden "$E2E_SAVER_CHOOSER_CAPTION" 5
    rm -f "$sys/E2E Saver.scr" "$sys/e2esaver2.scr"
}

test_secondary_tip_of_the_day_at_start_up_moves_on_at_every_start() {
    reg_set_dword StartUp 0 "$E2E_TIP_KEY"
    start_first :silent || return
    check "the tip window shows at start-up when asked for" wait_visible "Tip of the Day" 15
    screenshot tip-311
    local first second
    first="$(reg_get FilePos "$E2E_TIP_KEY")"
    check_eq "no position stored while the window is open" "" "$first"
    check "Escape closes it" press_in "Tip of the Day" Escape
    check "tip window is gone" wait_hidden "Tip of the Day" 5
    first="$(reg_get FilePos "$E2E_TIP_KEY")"
    check "closing stores the place after the first tip" test -n "$first"
    check_eq "Escape stores nothing of the check box" "REG_DWORD 0x0" "$(reg_get StartUp "$E2E_TIP_KEY")"
    umbrix_kill_all
    reg_set_dword StartUp 1 "$E2E_TIP_KEY"
    start_first :silent || return
    check "not asked for: no tip window" stays_hidden "Tip of the Day" 2
    second="$(reg_get FilePos "$E2E_TIP_KEY")"
    check "yet the place moved on by one tip" test "$((${second#REG_DWORD }))" -gt "$((${first#REG_DWORD }))"
}
