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

version="$(sed -n 's/^#define UMBRIX_VERSION_TEXT "\(.*\)"$/\1/p' "$RELEASE/generated/umbrix_version.h" 2>/dev/null)"
SETUP="$E2E_REPO/dist/Umbrix-$version-setup.exe"
if [ -z "$version" ] || [ ! -f "$SETUP" ] || [ ! -f "$TOOL" ]; then
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
    SETUP_RUN="$E2E_ARTIFACTS/Umbrix-9.9.9-setup.exe"
    makensis -V1 -DVERSION=9.9.9 -DPROGRAM_DIR="$RELEASE" -DOUTFILE="$SETUP_RUN" \
        "$E2E_REPO/packaging/umbrix.nsi" >>"$E2E_LOG" 2>&1
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
    silent_install
    check_eq "newer silent install succeeds" 0 "$INSTALL_RC"
    echo "     silent upgrade with Umbrix and Vandric running: $TOOK s"
    check "running Umbrix ended" wait_exit "$UMBRIX_PID" 1
    check "running Vandric ended" wait_exit "$VANDRIC_PID" 1
    check_installed "$DEFAULT_DIR_WIN" 9.9.9
    check_eq "stored setting kept" "REG_DWORD 0x7" "$(reg_get Kept)"
    check_eq "Vandric made no request" "" "$(cat "$(unix_path 'C:\vandric-journal.txt')" 2>/dev/null)"

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
    check "tips file removed" test ! -e "$TIPS"
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
E2E_CURRENT="teardown"
umbrix_kill_all
echo "package: $((SECONDS - started)) s, artifacts in $E2E_ARTIFACTS"
echo "$E2E_PASSED passed, $E2E_FAILED failed"
[ "$E2E_FAILED" -eq 0 ] && [ "$E2E_PASSED" -gt 0 ]
