# The Text to Speech tool, opened from the settings window's File menu, on a
# system without a speech engine (as Wine is): speaking shows nothing, a
# conversion reports its failure and leaves no file, nothing crashes.

test_text_to_speech_without_engine_reports_failed_conversion() {
    # Real speech requests: Wine has no engine, so nothing can be said.
    unset UMBRIX_JOURNAL
    umbrix_start :settings
    local frame tool saveas box wav
    frame="$(wait_visible "$E2E_CAPTION" 15 | head -n 1)"
    [ -n "$frame" ] || { e2e_fail "settings window is shown"; return; }
    timeout 5 xdotool windowfocus --sync "$frame" 2>/dev/null
    xdotool key --clearmodifiers alt+f
    sleep 0.5
    # From the first item up over "E&xit" to "Text to Speech".
    xdotool key Up Up Return
    tool="$(wait_visible 'Umbrix : Text to Speech' 10 | head -n 1)"
    [ -n "$tool" ] || { e2e_fail "File > Text to Speech opens the tool"; return; }
    e2e_ok "File > Text to Speech opens the tool"

    timeout 5 xdotool windowfocus --sync "$tool" 2>/dev/null
    xdotool type --delay 20 "hello there"
    xdotool key alt+s
    check "Speak shows nothing" stays_hidden Umbrix 2
    check_eq "Speak stores the text" "REG_SZ hello there" "$(reg_get TextToSpeechText)"

    # Tab from the focused Speak button to "Text to .wav".
    xdotool key Tab space
    saveas="$(wait_visible 'Save As' 10 | head -n 1)"
    [ -n "$saveas" ] || { e2e_fail "Text to .wav asks for a file name"; return; }
    timeout 5 xdotool windowfocus --sync "$saveas" 2>/dev/null
    xdotool type --delay 20 'C:\users\Public\spoken'
    xdotool key Return
    box="$(wait_visible Umbrix 10 | head -n 1)"
    screenshot text-to-speech-failed
    [ -n "$box" ] || { e2e_fail "a failed conversion is reported"; return; }
    e2e_ok "a failed conversion is reported"
    wav="$WINEPREFIX/drive_c/users/Public/spoken.wav"
    check "no half-written file is left" test ! -e "$wav"

    timeout 5 xdotool windowfocus --sync "$box" 2>/dev/null
    xdotool key Return
    check "the message closes" wait_hidden Umbrix 10
    timeout 5 xdotool windowfocus --sync "$tool" 2>/dev/null
    xdotool key Escape
    check "Escape closes the tool" wait_hidden 'Umbrix : Text to Speech' 10
    check "the program is still running" pid_alive "$UMBRIX_PID"
}
