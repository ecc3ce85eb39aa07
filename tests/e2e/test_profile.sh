# The per-user registry branch and the tips file, as a start leaves them.

tips_file_lines() { tr -d '\r' <"$(E2E_TIPS_FILE)"; }

# Counts lines that do not end in CR LF; the last line must be terminated too.
tips_file_bad_line_ends() {
    local f
    f="$(E2E_TIPS_FILE)"
    local bare
    bare=$(grep -c -v $'\r$' "$f")
    [ "$(tail -c 1 "$f" | od -An -c | tr -d ' ')" = '\n' ] || bare=$((bare + 1))
    echo "$bare"
}

# Only the process that becomes the running instance resets the one-time
# delay; a start that hands its request over leaves the running one's alone.
test_duration_flag_is_reset_by_the_running_instance_only() {
    reg_set_dword EnableDurationUBX 1
    start_first :silent || return
    check_eq "first instance writes EnableDurationUBX 0" "REG_DWORD 0x0" "$(reg_get EnableDurationUBX)"

    reg_set_dword EnableDurationUBX 1
    run_second -1
    check_eq "a second start leaves EnableDurationUBX as it was" "REG_DWORD 0x1" "$(reg_get EnableDurationUBX)"
}

test_tips_file_is_seeded_with_eight_crlf_lines() {
    start_first :silent || return
    check "\"Ini File Updated\" becomes 1" wait_reg "Ini File Updated" "REG_DWORD 0x1" 10
    local f
    f="$(E2E_TIPS_FILE)"
    if [ ! -f "$f" ]; then
        e2e_fail "tips file C:\\ProgramData\\Umbrix.ini exists"
        return
    fi
    cp "$f" "$E2E_ARTIFACTS/Umbrix.ini"
    check_eq "tips file has eight lines" 8 "$(tips_file_lines | wc -l)"
    check_eq "every line ends with CR LF" 0 "$(tips_file_bad_line_ends)"
    check_eq "line 1 names the file itself" \
        'Text Displayed in the Tip of the Day screen comes from file (C:\ProgramData\Umbrix.ini) which can be modified using a text editor.' \
        "$(tips_file_lines | sed -n 1p)"
    check_eq "line 4" \
        'Using Umbrix Utility you can create Keyboard Shortcuts easily to open programs / open document files.' \
        "$(tips_file_lines | sed -n 4p)"
    check_eq "line 6" \
        'Be Notified of New Versions of Umbrix Utility, Open Umbrix Settings, go to Help Menu -> Send Me an EMail when New Version is Launched.' \
        "$(tips_file_lines | sed -n 6p)"
    check_eq "no empty line" 0 "$(tips_file_lines | grep -c '^$')"
}

test_tips_file_with_user_edits_is_kept() {
    local f saved="$E2E_ARTIFACTS/user-tips.ini"
    f="$(E2E_TIPS_FILE)"
    mkdir -p "$(dirname "$f")"
    printf 'My own tip, written by hand.\r\nAnother one.\r\n' >"$f"
    cp "$f" "$saved"
    start_first :silent || return
    check "\"Ini File Updated\" still becomes 1" wait_reg "Ini File Updated" "REG_DWORD 0x1" 10
    check "the edited tips file is unchanged" cmp -s "$saved" "$f"
}

test_tips_file_is_seeded_once_per_user() {
    start_first :silent || return
    wait_reg "Ini File Updated" "REG_DWORD 0x1" 10
    rm -f "$(E2E_TIPS_FILE)"
    umbrix_kill_all
    start_first :silent || return
    check "a deleted tips file does not come back" stays_missing "$(E2E_TIPS_FILE)" 1

    umbrix_kill_all
    timeout 30 wine reg delete "$E2E_SETTINGS_KEY" /v "Ini File Updated" /f >/dev/null 2>&1
    start_first :silent || return
    check "deleting \"Ini File Updated\" seeds it again" wait_reg "Ini File Updated" "REG_DWORD 0x1" 10
    check "tips file is back" test -f "$(E2E_TIPS_FILE)"
}

# A flag stored as text is not a number to the program: it reads as its
# default 0, so the tips file is seeded and the flag rewritten as a number.
test_value_of_wrong_type_reads_as_default() {
    reg_set_sz "Ini File Updated" 1
    start_first :silent || return
    check "\"Ini File Updated\" stored as text reads as 0: file seeded" wait_file "$(E2E_TIPS_FILE)" 10
    check_eq "flag rewritten as a number" "REG_DWORD 0x1" "$(reg_get "Ini File Updated")"
}

test_fresh_profile_gets_settings_branch() {
    start_first :silent || return
    check "HKCU\\Software\\Corvane\\Umbrix\\Settings exists" reg_key_exists "$E2E_SETTINGS_KEY"
}

wait_file() {
    local deadline
    deadline=$(deadline_ms "$2")
    until [ -f "$1" ]; do
        past "$deadline" && return 1
        sleep 0.1
    done
}

stays_missing() {
    local deadline
    deadline=$(deadline_ms "$2")
    while :; do
        [ -e "$1" ] && return 1
        past "$deadline" && return 0
        sleep 0.1
    done
}
