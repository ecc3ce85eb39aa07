# A copy laid out as the portable zip unpacks (both programs and their
# settings files, a byte-order mark each) keeps everything beside itself.

# ini_text FILE: a settings file as UTF-8 text without carriage returns.
ini_text() { iconv -f UTF-16LE -t UTF-8 "$1" 2>/dev/null | sed 's/^\xEF\xBB\xBF//' | tr -d '\r'; }

test_portable_copy_writes_only_beside_itself() {
    local dir="$E2E_ROOT/portable" marker="$E2E_ARTIFACTS/portable-start" E2E_EXE="$E2E_ROOT/portable/Umbrix.exe"
    rm -rf "$dir"
    mkdir -p "$dir"
    cp "$E2E_ROOT/program/Umbrix.exe" "$E2E_REPO/build/win/Vandric.exe" \
        "$E2E_REPO/packaging/portable/Umbrix-settings.ini" "$E2E_REPO/packaging/portable/Vandric-settings.ini" "$dir/"
    timeout 30 wine reg delete "$E2E_COMPANY_KEY" /f >/dev/null 2>&1
    touch "$marker"
    sleep 1

    # A first start for this copy, whatever the machine has seen: help videos first.
    umbrix_start :silent
    E2E_FIRST_PID=$UMBRIX_PID
    check "the copy's first start shows the help videos" \
        wait_visible 'Few Help Video Tutorials for Umbrix  From Settings - > Help - > Help Videos' 30
    xdotool key --clearmodifiers Escape
    check "then the frame" wait_window "$E2E_CAPTION" 20
    check "the tips file is seeded beside the program" wait_file "$dir/Umbrix.ini" 10

    VANDRIC_JOURNAL="$UMBRIX_JOURNAL" wine "$dir/Vandric.exe" </dev/null >>"$E2E_LOG" 2>&1 &
    E2E_PIDS+=("$!")
    local id
    id="$(wait_visible 'Schedule Action - Vandric' 30 | head -n 1)"
    check "Vandric asks for its schedule" test -n "$id"
    timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key --clearmodifiers Return
    check "and counts down" wait_hidden 'Schedule Action - Vandric' 10
    umbrix_kill_all

    local umbrix vandric
    umbrix="$(ini_text "$dir/Umbrix-settings.ini")"
    vandric="$(ini_text "$dir/Vandric-settings.ini")"
    cp "$dir"/*-settings.ini "$E2E_ARTIFACTS/"
    check "Umbrix-settings.ini is UTF-16LE with a byte-order mark" \
        test "$(head -c 2 "$dir/Umbrix-settings.ini" | od -An -tx1 | tr -d ' ')" = fffe
    check "Umbrix keeps its settings there" grep -qx 'EnableDurationUBX=0' <<<"$umbrix"
    check "the first start is remembered there" grep -qx 'Help Videos Shown=1' <<<"$umbrix"
    check "the seeding is remembered there" grep -qx 'Ini File Updated=1' <<<"$umbrix"
    check "Vandric keeps its schedule in its own file" grep -qx 'Duration=60' <<<"$vandric"
    check "no key under HKCU\\Software\\Corvane" test -z "$(reg_key_exists "$E2E_COMPANY_KEY" && echo yes)"
    check "no tips file in C:\\ProgramData" test ! -e "$(E2E_TIPS_FILE)"
    check_eq "the program folder holds only its files" \
        "$(printf '%s\n' Umbrix-settings.ini Umbrix.exe Umbrix.ini Vandric-settings.ini Vandric.exe)" \
        "$(ls "$dir" | LC_ALL=C sort)"
    check_eq "no file changed on drive C:" "" \
        "$(find "$WINEPREFIX/drive_c" -type f -newer "$marker" 2>/dev/null)"
}

# A copy whose settings file cannot be written reads it, says so once, and
# writes nothing anywhere: not the file, not the registry, no tips file.
test_portable_copy_with_read_only_settings_says_so_and_writes_nothing() {
    local dir="$E2E_ROOT/portable-ro" E2E_EXE="$E2E_ROOT/portable-ro/Umbrix.exe" saved="$E2E_ARTIFACTS/ro-settings.ini"
    rm -rf "$dir"
    mkdir -p "$dir"
    cp "$E2E_ROOT/program/Umbrix.exe" "$dir/"
    { printf '\xff\xfe'; printf '[Workspace]\r\nHelp Videos Shown=1\r\n' | iconv -f UTF-8 -t UTF-16LE; } \
        >"$dir/Umbrix-settings.ini"
    cp "$dir/Umbrix-settings.ini" "$saved"
    timeout 30 wine reg delete "$E2E_COMPANY_KEY" /f >/dev/null 2>&1
    timeout 30 wine attrib +r "$(umbrix_win_path "$dir/Umbrix-settings.ini")" >/dev/null 2>&1

    umbrix_start :silent
    E2E_FIRST_PID=$UMBRIX_PID
    check "one message box says that changes will not be kept" answer_box Return portable-read-only
    check "start-up goes on" wait_window "$E2E_CAPTION" 20
    check "no second message box" stays_hidden Umbrix 2
    umbrix_kill_all
    check "the settings file is unchanged" cmp -s "$saved" "$dir/Umbrix-settings.ini"
    check_eq "no other file in the folder" "$(printf '%s\n' Umbrix-settings.ini Umbrix.exe)" "$(ls "$dir" | LC_ALL=C sort)"
    check "no key under HKCU\\Software\\Corvane" test -z "$(reg_key_exists "$E2E_COMPANY_KEY" && echo yes)"
}
