#!/usr/bin/env bash
# Packaging tests: the installer and uninstaller made by scripts/package.sh,
# silent, under Wine in a prefix of their own (build/package-wine), checked
# through files, shortcuts, registry values and the programs they start and
# end. Every program started here journals its requests instead of making
# them. Ends with "N passed, N failed"; exits non-zero when a check failed.
#   tests/package/run.sh        (after scripts/package.sh and scripts/build.sh)
set -uo pipefail

E2E_REPO="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
E2E_ARTIFACTS="$E2E_REPO/build/package-artifacts"
E2E_LOG="$E2E_ARTIFACTS/wine.log"
RELEASE="$E2E_REPO/build/release"
TOOL="$E2E_REPO/build/win/shortcut_file.exe"
PROBE="$E2E_REPO/build/win/package_probe.exe"

version="$(sed -n 's/^#define UMBRIX_VERSION_TEXT "\(.*\)"$/\1/p' "$RELEASE/generated/umbrix_version.h" 2>/dev/null)"
SETUP="$E2E_REPO/dist/Umbrix-$version-setup.exe"
if [ -z "$version" ] || [ ! -f "$SETUP" ] || [ ! -f "$TOOL" ] || [ ! -f "$PROBE" ]; then
    echo "package: run scripts/package.sh and scripts/build.sh first" >&2
    echo "0 passed, 1 failed"
    exit 1
fi

export UMBRIX_WINE_ROOT="$E2E_REPO/build/package-wine"
# shellcheck source=../../scripts/wine-env.sh
. "$E2E_REPO/scripts/wine-env.sh"
[ -d "$WINEPREFIX" ] && umbrix_stop_wine force
rm -rf "$WINEPREFIX" "$E2E_ARTIFACTS"
mkdir -p "$E2E_ARTIFACTS"
# shellcheck source=../e2e/lib.sh
. "$E2E_REPO/tests/e2e/lib.sh"

cleanup() {
    umbrix_kill_all
    umbrix_stop_session
}
trap cleanup EXIT
trap 'exit 130' INT TERM
unset DISPLAY
umbrix_ensure_display || { echo "0 passed, 1 failed"; exit 1; }
umbrix_ensure_wine || { echo "0 passed, 1 failed"; exit 1; }
# The letters of the custom folder reach Wine as UTF-8.
export LC_ALL=C.UTF-8

RUN_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
UNINSTALL_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Umbrix'
win_env() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
unix_path() { wine winepath -u "$1" 2>/dev/null | tr -d '\r'; }
DEFAULT_DIR_WIN="$(win_env LOCALAPPDATA)\\Programs\\Umbrix"
MENU="$(unix_path "$(win_env APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Umbrix")"
DESKTOP="$(unix_path "$(win_env USERPROFILE)\\Desktop")"
mkdir -p "$DESKTOP"
export UMBRIX_JOURNAL='C:\umbrix-journal.txt' VANDRIC_JOURNAL='C:\vandric-journal.txt'
# Not a first start: no welcome window before the main window.
reg_set_dword "Help Videos Shown" 1 'HKCU\Software\Corvane\Umbrix\Workspace'
reg_set_dword "Ini File Updated" 1
TIPS="$(unix_path "$(win_env ProgramData)\\Umbrix.ini")"
echo "tips" > "$TIPS"

# reg_text KEY NAME: the value as UTF-8 text, whatever its letters (reg
# query prints them in the console code page).
reg_text() {
    local file="$E2E_ARTIFACTS/export.reg"
    rm -f "$file"
    timeout 30 wine reg export "$1" "$(umbrix_win_path "$file")" /y >/dev/null 2>&1 || return 0
    iconv -f UTF-16 -t UTF-8 "$file" | tr -d '\r' | sed -n "s/^\"$2\"=\"\(.*\)\"\$/\1/p" |
        sed 's/\\"/"/g; s/\\\\/\\/g'
}
shortcut() { wine "$TOOL" show "$(umbrix_win_path "$1")" 2>/dev/null; }

# silent_install ARGS...: the installer with /S and ARGS, through cmd so that
# /D= reaches it unquoted as NSIS wants; sets TOOK to the seconds it took.
silent_install() {
    local t0
    t0=$(now_ms)
    timeout 120 wine cmd /c "$(umbrix_win_path "$SETUP_RUN") /S $*" </dev/null >>"$E2E_LOG" 2>&1
    INSTALL_RC=$?
    TOOK=$(awk -v ms=$(($(now_ms) - t0)) 'BEGIN { printf "%.1f", ms / 1000 }')
}

# silent_uninstall DIR_WIN [/PURGE]: the uninstaller returns at once (it runs
# on from a copy in the temporary folder), so wait for its own file to go.
silent_uninstall() {
    local dir t0 deadline
    dir="$(unix_path "$1")"
    t0=$(now_ms)
    timeout 60 wine "$dir/Uninstall.exe" /S ${2:+"$2"} </dev/null >>"$E2E_LOG" 2>&1
    deadline=$(deadline_ms 30)
    while [ -e "$dir/Uninstall.exe" ] && ! past "$deadline"; do sleep 0.1; done
    TOOK=$(awk -v ms=$(($(now_ms) - t0)) 'BEGIN { printf "%.1f", ms / 1000 }')
}

# uninstall_in_place DIR_WIN: an uninstaller run in its own folder, as
# setup runs an earlier installation's; it returns when done.
uninstall_in_place() {
    timeout 60 wine "$(unix_path "$1")/Uninstall.exe" /S "_?=$1" </dev/null >>"$E2E_LOG" 2>&1
}

# build_setup VERSION PROGRAM_DIR: another installer, as a later release.
build_setup() {
    SETUP_RUN="$E2E_ARTIFACTS/Umbrix-$1-setup.exe"
    makensis -V1 -DVERSION="$1" -DPROGRAM_DIR="$2" -DOUTFILE="$SETUP_RUN" \
        "$E2E_REPO/packaging/umbrix.nsi" >>"$E2E_LOG" 2>&1
}

# The Umbrix that setup started in this prefix: its Linux pid, or nothing.
umbrix_by_setup() {
    local pid
    for pid in $(pgrep -f 'Umbrix\.exe :silent'); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && { echo "$pid"; return; }
    done
}

# counting_vandric DIR_WIN: a Vandric of the installation with its countdown
# running (schedule accepted); sets VANDRIC_PID.
counting_vandric() {
    wine "$(unix_path "$1")/Vandric.exe" </dev/null >>"$E2E_LOG" 2>&1 &
    VANDRIC_PID=$!
    E2E_PIDS+=("$VANDRIC_PID")
    local id
    id="$(wait_visible 'Schedule Action - Vandric' 30 | head -n 1)"
    [ -n "$id" ] || return 1
    timeout 5 xdotool windowfocus --sync "$id" 2>/dev/null || true
    xdotool key --clearmodifiers Return
    wait_hidden 'Schedule Action - Vandric' 10
}

# start_installed DIR_WIN: runs the command of the Run value, as a sign-in
# would, and a Vandric of the same folder; sets UMBRIX_PID and VANDRIC_PID.
start_installed() {
    local run exe args
    run="$(reg_text "$RUN_KEY" Umbrix)"
    exe="${run#\"}"; exe="${exe%%\"*}"; args="${run##*\" }"
    wine "$(unix_path "$exe")" $args </dev/null >>"$E2E_LOG" 2>&1 &
    UMBRIX_PID=$!
    wine "$(unix_path "$1")/Vandric.exe" </dev/null >>"$E2E_LOG" 2>&1 &
    VANDRIC_PID=$!
    E2E_PIDS+=("$UMBRIX_PID" "$VANDRIC_PID")
    # What Umbrix's own shortcut chooser makes: the uninstaller takes it away.
    wine "$TOOL" make "$(umbrix_win_path "$DESKTOP/Umbrix Monitor Off.lnk")" "$1\\Umbrix.exe" 2
    wait_window "$E2E_CAPTION" 15 >/dev/null && wait_window 'Settings - Vandric' 15 >/dev/null
}

check_installed() {
    local dir_win="$1" dir
    dir="$(unix_path "$dir_win")"
    check "files installed" cmp "$RELEASE/Umbrix.exe" "$dir/Umbrix.exe"
    check "Vandric installed" cmp "$RELEASE/Vandric.exe" "$dir/Vandric.exe"
    check "uninstaller installed" test -f "$dir/Uninstall.exe"
    check_eq "Start-menu shortcuts" \
        "$dir_win\\Umbrix.exe|:settings
$dir_win\\Vandric.exe|
$dir_win\\Uninstall.exe|" \
        "$(shortcut "$MENU/Umbrix.lnk"; shortcut "$MENU/Vandric.lnk"; shortcut "$MENU/Uninstall Umbrix.lnk")"
    check_eq "Run value" "\"$dir_win\\Umbrix.exe\" :silent" "$(reg_text "$RUN_KEY" Umbrix)"
    check_eq "uninstall entry" \
        "Umbrix|$2|Corvane|$dir_win|\"$dir_win\\Uninstall.exe\"|\"$dir_win\\Uninstall.exe\" /S" \
        "$(for v in DisplayName DisplayVersion Publisher InstallLocation UninstallString QuietUninstallString; do
               printf '%s|' "$(reg_text "$UNINSTALL_KEY" "$v")"; done | sed 's/|$//')"
    check "no desktop shortcut by default" test ! -e "$DESKTOP/Umbrix.lnk"
}

check_removed() {
    local dir_win="$1" dir
    dir="$(unix_path "$dir_win")"
    check "programs and uninstaller removed" test ! -e "$dir/Umbrix.exe" -a ! -e "$dir/Vandric.exe" -a ! -e "$dir/Uninstall.exe"
    check "Start-menu folder removed" test ! -e "$MENU"
    check_eq "Run value removed" "" "$(reg_get Umbrix "$RUN_KEY")"
    check "uninstall entry removed" test -z "$(reg_key_exists "$UNINSTALL_KEY" && echo yes)"
    check "desktop shortcuts to Umbrix removed" test ! -e "$DESKTOP/Umbrix Monitor Off.lnk"
    check "other desktop shortcuts kept" test -e "$DESKTOP/Notepad.lnk"
}

test_default_folder() {
    E2E_CURRENT="install"
    SETUP_RUN="$SETUP"
    silent_install
    check_eq "silent install succeeds" 0 "$INSTALL_RC"
    echo "     silent install: $TOOK s"
    check_installed "$DEFAULT_DIR_WIN" "$version"

    E2E_CURRENT="unusable folder"
    # A folder below a file: refused with the installer's message, not
    # quietly replaced by the default folder; the installation stays as it is.
    echo "a file" > "$(unix_path 'C:\blocker')"
    silent_install '/D=C:\blocker\Umbrix'
    check "install into a folder below a file stops" test "$INSTALL_RC" -ne 0
    check_eq "installation unchanged" "$DEFAULT_DIR_WIN" "$(reg_text "$UNINSTALL_KEY" InstallLocation)"

    E2E_CURRENT="upgrade"
    reg_set_dword "Kept" 7
    start_installed "$DEFAULT_DIR_WIN"
    check "the Run command starts Umbrix" pid_alive "$UMBRIX_PID"
    # A file that differs from the release's shows that it was replaced.
    printf 'x' >> "$(unix_path "$DEFAULT_DIR_WIN")/Vandric.exe"
    build_setup 9.9.9 "$RELEASE"
    # An Umbrix that does not answer: named (silently: Cancel), never
    # killed, and nothing replaced.
    kill -STOP "$UMBRIX_PID"
    silent_install
    kill -CONT "$UMBRIX_PID"
    check "install stops while Umbrix does not answer" test "$INSTALL_RC" -ne 0
    echo "     silent upgrade with Umbrix not answering: $TOOK s"
    check "the busy Umbrix still runs" pid_alive "$UMBRIX_PID"
    check "nothing replaced" test "$(stat -c %s "$(unix_path "$DEFAULT_DIR_WIN")/Vandric.exe")" -eq $(($(stat -c %s "$RELEASE/Vandric.exe") + 1))
    check_eq "version unchanged" "$version" "$(reg_text "$UNINSTALL_KEY" DisplayVersion)"
    check "no staged file left" test -z "$(ls "$(unix_path "$DEFAULT_DIR_WIN")" | grep -v -x -e Umbrix.exe -e Vandric.exe -e Uninstall.exe)"

    E2E_CURRENT="helper cannot run"
    local broken="$E2E_ARTIFACTS/broken" dir
    dir="$(unix_path "$DEFAULT_DIR_WIN")"
    mkdir -p "$broken"
    cp "$RELEASE/Umbrix.exe" "$RELEASE/Vandric.exe" "$broken/"
    echo "not a program" > "$broken/setup_helper.exe"
    build_setup 9.9.8 "$broken"
    silent_install
    check "install stops when its helper cannot run" test "$INSTALL_RC" -ne 0
    check "Umbrix left running" pid_alive "$UMBRIX_PID"
    check "nothing replaced without the helper" test "$(stat -c %s "$dir/Vandric.exe")" -eq $(($(stat -c %s "$RELEASE/Vandric.exe") + 1))

    E2E_CURRENT="failed swap"
    # The new Vandric cannot take its place: every moved file goes back.
    wine "$PROBE" hold "$DEFAULT_DIR_WIN\\Vandric.exe.new" </dev/null >>"$E2E_LOG" 2>&1 &
    local holder=$!
    E2E_PIDS+=("$holder")
    build_setup 9.9.9 "$RELEASE"
    local deadline
    deadline=$(deadline_ms 15)
    while [ ! -e "$dir/Vandric.exe.new" ] && ! past "$deadline"; do sleep 0.1; done
    silent_install
    check "install stops when a program cannot be replaced" test "$INSTALL_RC" -ne 0
    check "earlier Umbrix in place" cmp "$RELEASE/Umbrix.exe" "$dir/Umbrix.exe"
    check "earlier Vandric in place" test "$(stat -c %s "$dir/Vandric.exe")" -eq $(($(stat -c %s "$RELEASE/Vandric.exe") + 1))
    check "no program left aside" test ! -e "$dir/Umbrix.exe.old" -a ! -e "$dir/Vandric.exe.old"
    check_eq "version unchanged after the failed swap" "$version" "$(reg_text "$UNINSTALL_KEY" DisplayVersion)"
    check "running Umbrix asked to end" wait_exit "$UMBRIX_PID" 1
    UMBRIX_PID="$(umbrix_by_setup)"
    check "the Umbrix it ended started again" test -n "$UMBRIX_PID"
    E2E_PIDS+=($UMBRIX_PID)
    kill "$holder"; wait_exit "$holder" 5

    E2E_CURRENT="upgrade"
    # A window of another program that carries Vandric's caption.
    rm -f "$(unix_path 'C:\probe.log')"
    wine "$PROBE" window 'Settings - Vandric' 'C:\probe.log' </dev/null >>"$E2E_LOG" 2>&1 &
    local foreign=$!
    E2E_PIDS+=("$foreign")
    wait_window 'Settings - Vandric' 15 >/dev/null
    counting_vandric "$DEFAULT_DIR_WIN"
    # A copy running from another folder is not ours to end.
    wine "$RELEASE/Vandric.exe" </dev/null >>"$E2E_LOG" 2>&1 &
    local portable=$!
    E2E_PIDS+=("$portable")
    wait_visible 'Schedule Action - Vandric' 30 >/dev/null
    # Accepting the schedule switches the display off (journalled); being
    # ended must add nothing.
    local journal
    journal="$(cat "$(unix_path 'C:\vandric-journal.txt')" 2>/dev/null)"
    silent_install
    check_eq "newer silent install succeeds" 0 "$INSTALL_RC"
    echo "     silent upgrade with Umbrix and Vandric running: $TOOK s"
    check "running Umbrix ended" wait_exit "$UMBRIX_PID" 1
    check "running Vandric ended" wait_exit "$VANDRIC_PID" 1
    check_eq "foreign window with our caption not messaged" "" "$(cat "$(unix_path 'C:\probe.log')" 2>/dev/null)"
    check "foreign window left running" pid_alive "$foreign"
    check "a Vandric of another folder left running" pid_alive "$portable"
    check_installed "$DEFAULT_DIR_WIN" 9.9.9
    check_eq "stored setting kept" "REG_DWORD 0x7" "$(reg_get Kept)"
    # Ended, it only lets the system sleep again.
    check_eq "the counting Vandric made no request" "$journal
SetThreadExecutionState 2147483648" "$(cat "$(unix_path 'C:\vandric-journal.txt')" 2>/dev/null)"
    UMBRIX_PID="$(umbrix_by_setup)"
    check "silent upgrade starts the Umbrix it ended" test -n "$UMBRIX_PID"
    E2E_PIDS+=($UMBRIX_PID)
    umbrix_kill_all

    E2E_CURRENT="uninstall"
    start_installed "$DEFAULT_DIR_WIN"
    wine "$TOOL" make "$(umbrix_win_path "$DESKTOP/Notepad.lnk")" 'C:\windows\notepad.exe'
    silent_uninstall "$DEFAULT_DIR_WIN"
    echo "     silent uninstall with Umbrix and Vandric running: $TOOK s"
    check "running Umbrix ended" wait_exit "$UMBRIX_PID" 1
    check "running Vandric ended" wait_exit "$VANDRIC_PID" 1
    check_removed "$DEFAULT_DIR_WIN"
    check "folder it created removed" test ! -e "$(unix_path "$DEFAULT_DIR_WIN")"
    check_eq "settings kept" "REG_DWORD 0x7" "$(reg_get Kept)"
    check "Vandric's settings kept" reg_key_exists 'HKCU\Software\Corvane\Vandric'
    check "tips file kept" test -f "$TIPS"
}

test_folder_with_blanks_and_accents() {
    E2E_CURRENT="custom folder"
    local dir_win='C:\Prog ram Fïlès\Ümbrix Tëst' dir
    dir="$(unix_path "$dir_win")"
    # A folder the user already had: it stays, even when empty.
    mkdir -p "$dir"
    SETUP_RUN="$SETUP"
    silent_install "/D=$dir_win"
    check_eq "silent install succeeds" 0 "$INSTALL_RC"
    check_installed "$dir_win" "$version"
    start_installed "$dir_win"
    check "the Run command starts Umbrix" pid_alive "$UMBRIX_PID"

    E2E_CURRENT="purge"
    silent_uninstall "$dir_win" /PURGE
    check "running Umbrix ended" wait_exit "$UMBRIX_PID" 1
    check "running Vandric ended" wait_exit "$VANDRIC_PID" 1
    check_removed "$dir_win"
    check "a folder it did not create kept" test -d "$dir"
    check "settings removed" test -z "$(reg_key_exists 'HKCU\Software\Corvane' && echo yes)"
    check "all-users tips file kept" test -f "$TIPS"
}

test_other_folder_and_foreign_files() {
    E2E_CURRENT="foreign uninstaller"
    local foreign_win='C:\Other Tool' foreign
    foreign="$(unix_path "$foreign_win")"
    mkdir -p "$foreign"
    cp "$PROBE" "$foreign/Uninstall.exe"
    SETUP_RUN="$SETUP"
    silent_install "/D=$foreign_win"
    check "a folder with another program's Uninstall.exe is refused" test "$INSTALL_RC" -ne 0
    check "its Uninstall.exe kept" cmp "$PROBE" "$foreign/Uninstall.exe"
    check "nothing installed there" test ! -e "$foreign/Umbrix.exe"

    E2E_CURRENT="second set-up run"
    wine "$SETUP" </dev/null >>"$E2E_LOG" 2>&1 &
    local first=$!
    E2E_PIDS+=("$first")
    wait_visible 'Umbrix Setup' 30 >/dev/null
    silent_install '/D=C:\Umbrix A'
    check "a second run while set-up runs ends" test "$INSTALL_RC" -ne 0
    check "the second run installed nothing" test ! -e "$(unix_path 'C:\UmbrixA')/Umbrix.exe"
    umbrix_kill_all

    E2E_CURRENT="other folder"
    # A folder the user already had, with files of the user's own beside
    # the programs, and one beside the folder.
    local a_win='C:\UmbrixA' b_win='C:\UmbrixB' a b
    a="$(unix_path "$a_win")"; b="$(unix_path "$b_win")"
    mkdir -p "$a"
    echo mine > "$a/Umbrix.ini"; echo mine > "$a/notes.old"; echo mine > "$a-notes.txt"
    head -c 3000000 /dev/zero > "$a/big.bin"
    silent_install /NOSTARTUP /DESKTOP "/D=$a_win"
    check_eq "install with /NOSTARTUP /DESKTOP succeeds" 0 "$INSTALL_RC"
    check_eq "no sign-in start" "" "$(reg_get Umbrix "$RUN_KEY")"
    check_eq "desktop shortcut" "$a_win\\Umbrix.exe|:settings" "$(shortcut "$DESKTOP/Umbrix.lnk")"
    local size
    size="$(reg_get EstimatedSize "$UNINSTALL_KEY")"
    check "estimated size counts only the installed files" test -n "$size" -a "$((${size##* }))" -lt 2000
    cp "$a/Uninstall.exe" "$E2E_ARTIFACTS/Uninstall-A.exe"
    silent_install "/D=$b_win"
    check_eq "upgrade into another folder succeeds" 0 "$INSTALL_RC"
    check_eq "registered in the new folder" "$b_win" "$(reg_text "$UNINSTALL_KEY" InstallLocation)"
    check "earlier programs removed" test ! -e "$a/Umbrix.exe" -a ! -e "$a/Vandric.exe"
    check "user's files kept in the earlier folder" test -f "$a/Umbrix.ini" -a -f "$a/notes.old" -a -f "$a-notes.txt" -a -f "$a/big.bin"
    check_eq "choice kept: no sign-in start" "" "$(reg_get Umbrix "$RUN_KEY")"
    check_eq "choice kept: desktop shortcut, to the new folder" "$b_win\\Umbrix.exe|:settings" "$(shortcut "$DESKTOP/Umbrix.lnk")"
    # On Windows an uninstaller cannot delete its own running file: a copy
    # of the earlier one stays behind and may be run later.
    cp "$E2E_ARTIFACTS/Uninstall-A.exe" "$a/Uninstall.exe"
    uninstall_in_place "$a_win"
    check_eq "the earlier uninstaller leaves the new one registered" "$b_win" "$(reg_text "$UNINSTALL_KEY" InstallLocation)"
    check "and its Start-menu folder" test -e "$MENU/Umbrix.lnk"
    check "and its desktop shortcut" test -e "$DESKTOP/Umbrix.lnk"
    check "and its programs" test -f "$b/Umbrix.exe" -a -f "$b/Vandric.exe"

    E2E_CURRENT="uninstall keeps what is not ours"
    echo mine > "$b/Umbrix.ini"; echo mine > "$b/notes.old"
    silent_uninstall "$b_win" /PURGE
    check "programs and uninstaller removed" test ! -e "$b/Umbrix.exe" -a ! -e "$b/Vandric.exe" -a ! -e "$b/Uninstall.exe"
    check "uninstall entry removed" test -z "$(reg_key_exists "$UNINSTALL_KEY" && echo yes)"
    check "user's files kept in the folder" test -f "$b/Umbrix.ini" -a -f "$b/notes.old"
    check "user's files kept beside it" test -f "$a/Umbrix.ini" -a -f "$a-notes.txt"
}

# The zip's two settings files make the copy portable: each is a UTF-16LE
# byte-order mark and nothing else, and the text says what they do.
test_portable_zip() {
    E2E_CURRENT="portable zip"
    local dir="$E2E_ARTIFACTS/portable" f
    rm -rf "$dir"
    unzip -q "$E2E_REPO/dist/Umbrix-$version-portable.zip" -d "$dir"
    for f in Umbrix-settings.ini Vandric-settings.ini; do
        check_eq "$f holds only the byte-order mark" fffe "$(od -An -tx1 "$dir/Umbrix-$version/$f" | tr -d ' \n')"
        check "README.txt names $f" grep -q "$f" "$dir/Umbrix-$version/README.txt"
    done
}

started=$SECONDS
test_portable_zip
test_default_folder
test_folder_with_blanks_and_accents
test_other_folder_and_foreign_files
. "$E2E_REPO/tests/package/manifests.sh"
E2E_CURRENT="teardown"
umbrix_kill_all
echo "package: $((SECONDS - started)) s, artifacts in $E2E_ARTIFACTS"
echo "$E2E_PASSED passed, $E2E_FAILED failed"
[ "$E2E_FAILED" -eq 0 ] && [ "$E2E_PASSED" -gt 0 ]
