# The programs' own folder is writable by the user (per-user installation,
# unpacked zip). A DLL placed there under the name of one that a system
# library loads by bare name must not be loaded: this Wine looks for
# shcore.dll in the program's folder when shell32 loads, unless the program
# limited the search to the system directory.

test_a_planted_dll_is_not_loaded_by_either_program() {
    local dir="$E2E_ROOT/planted" f pid
    for f in Vandric.exe planted_dll.dll; do
        [ -f "$E2E_REPO/build/win/$f" ] || { e2e_fail "build/win/$f exists" "build first"; return; }
    done
    rm -rf "$dir"
    mkdir -p "$dir"
    cp "$E2E_EXE" "$E2E_REPO/build/win/Vandric.exe" "$dir/"
    cp "$E2E_REPO/build/win/planted_dll.dll" "$dir/shcore.dll"
    local marker="$dir/shcore.dll.loaded"
    # The planted DLL does mark a load (rundll32 loads it by its full path).
    timeout 30 wine rundll32 "$(umbrix_win_path "$dir/shcore.dll"),Probe" </dev/null >>"$E2E_LOG" 2>&1
    check "the planted DLL marks its load" test -e "$marker"
    rm -f "$marker"

    # A first start of Umbrix: frame, tray icon (shell32), companion start.
    wine "$dir/Umbrix.exe" :silent </dev/null >>"$E2E_LOG" 2>&1 &
    E2E_PIDS+=("$!")
    wait_window "$E2E_CAPTION" 30 >/dev/null && wait_journal 1 15
    check "Umbrix started from that folder does not load it" test ! -e "$marker"
    umbrix_kill_all

    # Vandric with its schedule dialog (its tray record already asked shell32).
    VANDRIC_JOURNAL="$UMBRIX_JOURNAL" wine "$dir/Vandric.exe" </dev/null >>"$E2E_LOG" 2>&1 &
    pid=$!
    E2E_PIDS+=("$pid")
    wait_visible 'Schedule Action - Vandric' 30 >/dev/null && screenshot planted-dll-vandric
    check "Vandric started from that folder does not load it" test ! -e "$marker"
    check "Vandric started from that folder runs" pid_alive "$pid"
}
