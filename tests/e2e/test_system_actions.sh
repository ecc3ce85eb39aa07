# The volume actions, the desktop-shortcut chooser and the launcher commands
# of the running program, observed through the journal, its windows and the
# files it writes. Menu commands are posted with the test tool post_command.

E2E_POST_TOOL="$E2E_REPO/build/win/post_command.exe"
E2E_CHOOSER_CAPTION='Umbrix - Desktop Shortcut'

# post_command ID: sends menu command ID to the running frame.
post_command() { timeout 20 wine "$E2E_POST_TOOL" "$E2E_CAPTION" "$1" </dev/null >>"$E2E_LOG" 2>&1; }

test_volume_actions_mute_and_report_failures() {
    start_first :silent || return
    second_start 19
    check_eq "mute requested, nothing shown" "SetMute 1" "$E2E_GOT"
    check "no message box after mute" stays_hidden Umbrix 1
    second_start 18
    # Wine 8 keeps the mute state per endpoint object, so the toggle reads
    # "not muted" from its own new object: only the request is checked.
    check "toggle requests a mute state" grep -q '^SetMute [01]$' <<<"$E2E_GOT"

    # Wine has no volume steps: the failure message and its code show.
    local base
    base=$(journal_count)
    umbrix_start 20
    E2E_SECOND_PID=$UMBRIX_PID
    check "step-up failure is reported" answer_box Return volume-step-failure
    check "second start ends once answered" wait_exit "$E2E_SECOND_PID" 10
    check_eq "step requested" "VolumeStepUp" "$(journal_since "$base")"
}

test_action_1018_counts_down_toggle_mute() {
    reg_set_dword ConfirmationDialogVoiceAlert 0
    start_first :silent || return
    local base
    base=$(journal_count)
    umbrix_start 1018
    E2E_SECOND_PID=$UMBRIX_PID
    wait_visible "$E2E_CONFIRM_CAPTION" 10 >/dev/null
    screenshot confirmation-1018
    check "Escape reaches the countdown dialog" answer_countdown Escape
    check "second start ends after Escape" wait_exit "$E2E_SECOND_PID" 10
    check_eq "cancelled: mute state untouched" "" "$(journal_since "$base")"
}

test_chooser_creates_a_shortcut_that_runs_its_action() {
    [ -f "$E2E_POST_TOOL" ] || { skip "chooser" "post_command.exe not built"; return; }
    local name='Umbrix (Without Confirmation).lnk' link id base
    find "$WINEPREFIX/drive_c/users" "$HOME" -name "$name" -delete 2>/dev/null
    start_first :silent || return
    post_command 32833
    id="$(wait_visible "$E2E_CHOOSER_CAPTION" 10 | head -n 1)"
    check "chooser is shown" test -n "$id"
    [ -n "$id" ] || return
    screenshot chooser
    timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key --clearmodifiers Return
    check "OK without a selection asks for one" answer_box Return chooser-no-selection
    check "chooser stays open" test -n "$(find_visible "$E2E_CHOOSER_CAPTION")"
    timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null || true
    # Type-ahead in the list picks "9<tab>Umbrix"; Alt+D clears the
    # confirmation box; Enter is OK.
    xdotool key --clearmodifiers 9 alt+d
    sleep 0.3
    screenshot chooser-filled
    xdotool key --clearmodifiers Return
    check "success is reported" answer_box Return shortcut-created
    link="$(find -L "$WINEPREFIX/drive_c/users" -name "$name" 2>/dev/null | head -n 1)"
    check "shortcut file is on the desktop" test -n "$link"
    [ -n "$link" ] || return

    base=$(journal_count)
    timeout 30 wine start /unix "$link" </dev/null >>"$E2E_LOG" 2>&1
    check "started shortcut hands action 9 to the running instance" wait_journal $((base + 2)) 20
    check_eq "display switched off by the running instance" \
        "BlockInput 0"$'\n'"SendMessageW <frame> 274 61808 2" \
        "$(journal_since "$base" | sed -E 's/^SendMessageW [0-9]+ /SendMessageW <frame> /')"
    rm -f "$link"
}

test_menu_commands_journal_their_starts() {
    [ -f "$E2E_POST_TOOL" ] || { skip "launchers" "post_command.exe not built"; return; }
    start_first :silent || return
    local sys='C:\windows\system32' dir="$E2E_PROGRAM_DIR_WIN" base
    local cases=(
        "32780|ShellExecuteW \"open\" \"$dir\\Vandric.exe\" \"\""
        "32799|ShellExecuteW \"open\" \"$dir\\Tarnwick.exe\" \":LaunchedFromUBX\""
        "32798|ShellExecuteW \"runas\" \"$dir\\Brandle.exe\" \"\""
        "32805|ShellExecuteW \"Open\" \"$sys\\control.exe\" \" desk.cpl,Themes,@Themes\""
        "32809|ShellExecuteW \"Open\" \"$sys\\DpiScaling.exe\" \"\""
        "32777|ShellExecuteW \"Open\" \"$sys\\Control.exe\" \"mmsys.cpl sounds\""
        "32834|ShellExecuteW \"Open\" \"https://www.corvane.example/nightlatch/\" \"\""
        "32791|"
    )
    local c id want
    for c in "${cases[@]}"; do
        id="${c%%|*}"; want="${c#*|}"
        base=$(journal_count)
        post_command "$id"
        [ -n "$want" ] && wait_journal $((base + 1)) 10
        sleep 0.3
        check_eq "command $id" "$want" "$(journal_since "$base")"
    done
}

test_proxy_switch_and_service_notice_show_their_boxes() {
    [ -f "$E2E_POST_TOOL" ] || { skip "proxy" "post_command.exe not built"; return; }
    start_first :silent || return
    local base
    base=$(journal_count)
    post_command 32792
    check "proxy state is reported" answer_box Return proxy-state
    check "proxy flags written, announced, refreshed" \
        grep -qx 'InternetSetOptionW 39' <<<"$(journal_since "$base")"

    base=$(journal_count)
    post_command 32802
    check "one-time notice is shown" answer_box Return service-notice
    check "notice stored" wait_reg ServiceMessageDisplayed "REG_DWORD 0x1" 10
    wait_journal $((base + 1)) 10
    check_eq "configurator started after the notice" \
        "ShellExecuteW \"open\" \"$E2E_PROGRAM_DIR_WIN\\Quorvel.exe\" \"\"" "$(journal_since "$base")"
    base=$(journal_count)
    post_command 32802
    wait_journal $((base + 1)) 10
    check "no notice the second time" stays_hidden Umbrix 1
}

test_chooser_reports_a_shortcut_it_cannot_write() {
    [ -f "$E2E_POST_TOOL" ] || { skip "chooser failure" "post_command.exe not built"; return; }
    local name='Umbrix (With Confirmation).lnk' desktop id
    start_first :silent || return
    # A folder in the way of the file: the save fails even for root, whom
    # file modes would not stop.
    desktop="$(find -L "$WINEPREFIX/drive_c/users" -maxdepth 2 -iname Desktop 2>/dev/null | grep -v Public | head -n 1)"
    [ -n "$desktop" ] || { skip "chooser failure" "no desktop folder in the prefix"; return; }
    desktop="$(realpath "$desktop")"
    rm -rf "${desktop:?}/$name"
    mkdir "$desktop/$name"
    post_command 32833
    id="$(wait_visible "$E2E_CHOOSER_CAPTION" 10 | head -n 1)"
    if [ -n "$id" ]; then
        timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null || true
        xdotool key --clearmodifiers 9 Return
        check "failure is reported" answer_box Return shortcut-failed
    else
        e2e_fail "chooser is shown" "no window '$E2E_CHOOSER_CAPTION'"
    fi
    check "the folder in the way is untouched" test -d "$desktop/$name"
    rmdir "$desktop/$name"
}
