#!/usr/bin/env bash
# Pictures of the programs' windows, taken under Xvfb in journal mode (no
# action has a real effect), in a Wine prefix of its own (build/shots-wine).
#
#   scripts/screenshots.sh          the README's pictures into docs/images/
#                                   (100%; a second run changes no file)
#   scripts/screenshots.sh --all    every window of Umbrix, Vandric, the
#                                   installer and the uninstaller at 100%,
#                                   150% and 200% into build/screenshots/<dpi>/,
#                                   with one contact sheet per scale
#
# A tool for looking, not a test: fonts differ between machines, so it stays
# out of CI. The installer pictures need the release package (built here when
# dist/ holds none).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
repo="$(pwd)"

mode=readme
[ "${1:-}" = --all ] && mode=all

bash scripts/install-deps.sh >/dev/null
bash scripts/build.sh Umbrix Vandric post_command post_message >/dev/null
setup_exe="$(ls dist/Umbrix-*-setup.exe 2>/dev/null | head -n 1 || true)"
if [ -z "$setup_exe" ]; then
    bash scripts/package.sh >/dev/null
    setup_exe="$(ls dist/Umbrix-*-setup.exe | head -n 1)"
fi

export UMBRIX_WINE_ROOT="$repo/build/shots-wine"
. scripts/wine-env.sh
shots="$UMBRIX_WINE_ROOT/shots"
mkdir -p "$shots"

# A screen large enough for the largest window at 200%, on a display number
# of its own, so the pictures never depend on the size of someone's screen.
xvfb_pid=""
for n in $(seq 140 170); do
    if [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; then continue; fi
    Xvfb ":$n" -screen 0 2560x1600x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && break 2
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
done
[ -n "$xvfb_pid" ] || { echo "screenshots: could not start Xvfb" >&2; exit 1; }
# umbrix_ensure_wine leaves the windows unmanaged in an Xvfb of ours: Wine
# then draws their captions and frames itself, as the pictures should show.
UMBRIX_XVFB_PID=$xvfb_pid

pids=()
on_exit() {
    local p
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    umbrix_stop_wine force
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
}
trap on_exit EXIT
trap 'exit 130' INT TERM

log="$UMBRIX_WINE_ROOT/screenshots.log"
: > "$log"
export UMBRIX_JOURNAL
UMBRIX_JOURNAL="$(umbrix_win_path "$UMBRIX_WINE_ROOT/journal.txt")"
export VANDRIC_JOURNAL="$UMBRIX_JOURNAL"
export UMBRIX_JOURNAL_PAUSE_MS=0

# xdotool matches captions as regular expressions.
caption_re() { printf '^%s$' "$(printf '%s' "$1" | sed 's/[][\.*^$()+?{}|]/\\&/g')"; }

wait_visible() {
    local i ids
    for i in $(seq 1 150); do
        ids="$(xdotool search --onlyvisible --name "$(caption_re "$1")" 2>/dev/null || true)"
        [ -n "$ids" ] && { echo "$ids" | tail -n 1; return 0; }
        sleep 0.1
    done
    echo "screenshots: no window '$1'" >&2
    return 1
}
wait_gone() {
    local i
    for i in $(seq 1 100); do
        [ -z "$(xdotool search --onlyvisible --name "$(caption_re "$1")" 2>/dev/null || true)" ] && return 0
        sleep 0.1
    done
    return 1
}
# The shown pop-up menu of a program: a visible window of its class without a caption.
wait_menu() {
    local i w
    for i in $(seq 1 100); do
        for w in $(xdotool search --onlyvisible --class "$1" 2>/dev/null); do
            [ -z "$(xdotool getwindowname "$w" 2>/dev/null)" ] && { echo "$w"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

# shot WINDOW NAME: the window alone (Wine's frame included), without the
# date chunks ImageMagick would write, so equal pixels give equal files.
shot() {
    sleep 0.5
    import -window "$1" -define png:exclude-chunks=date,time -strip "$shots/$2.png"
}

press() {
    timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool key --clearmodifiers "$2"
}

# capture CAPTION NAME [KEY]: waits for the window, takes it, closes it with KEY (Escape).
capture() {
    local w
    w="$(wait_visible "$1")" || return 0
    shot "$w" "$2"
    press "$w" "${3:-Escape}"
    wait_gone "$1" || true
}

umbrix() { wine build/win/Umbrix.exe "$@" </dev/null >>"$log" 2>&1; }
umbrix_command() { wine build/win/post_command.exe "Umbrix : Settings" "$1" </dev/null >>"$log" 2>&1; }

# The settings window with its idle line at "0 Seconds": the pointer moves
# over the window so that the last input stays younger than a second.
shot_settings() {
    local w i
    w="$(wait_visible 'Umbrix : Settings')"
    for i in $(seq 1 8); do
        xdotool mousemove --window "$w" 300 $((470 + i % 2)) 2>/dev/null
        sleep 0.25
    done
    import -window "$w" -define png:exclude-chunks=date,time -strip "$shots/$1.png"
    xdotool mousemove 2000 1500
}

# tray_menu_shot PROGRAM NAME: right-clicks the first icon of Wine's tray
# window (below the caption Wine draws for it) and takes the menu.
tray_menu_shot() {
    local tray menu X Y WIDTH HEIGHT SCREEN WINDOW
    tray="$(xdotool search --onlyvisible --name '^Wine System Tray$' | head -n 1)"
    eval "$(xdotool getwindowgeometry --shell "$tray")"
    xdotool mousemove --window "$tray" 12 $((HEIGHT - 12)) click 3
    menu="$(wait_menu "$1")" || { echo "screenshots: no tray menu of $1" >&2; return 0; }
    # The pointer off the menu, so that no item is highlighted.
    xdotool mousemove 2000 1500
    shot "$menu" "$2"
    xdotool key Escape
    sleep 0.5
}

start_session() {
    umbrix_ensure_wine
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1
    wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' /v LogPixels \
        /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1
    # The same profile every time: no first-start help videos, no tips, the defaults.
    wine reg delete 'HKCU\Software\Corvane' /f </dev/null >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Corvane\Umbrix\Workspace' /v "Help Videos Shown" /t REG_DWORD /d 1 /f \
        </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Corvane\Umbrix\Tip' /v StartUp /t REG_DWORD /d 1 /f </dev/null >/dev/null 2>&1
    # The new DPI is read when the session starts.
    umbrix_stop_wine force
    umbrix_ensure_wine
}

umbrix_windows() {
    wine build/win/Umbrix.exe :silent </dev/null >>"$log" 2>&1 &
    pids+=($!)
    # Wine's tray window sits at the top left, where the settings window would cover it.
    xdotool search --sync --name '^Wine System Tray$' >/dev/null
    sleep 1
    tray_menu_shot umbrix.exe tray-menu
    umbrix_command 32779
    shot_settings settings
    [ "$mode" = all ] || return 0

    umbrix_command 32801; capture 'Umbrix if Computer Idle' idle-capture-322
    umbrix_command 32797; capture 'Start Default ScreenSaver if Computer Idle' idle-screen-saver-322
    umbrix_command 32800; capture 'Umbrix after n Minutes (One Time)' duration-325
    umbrix_command 32840; capture 'Configure Idle Time Actions - Umbrix' idle-actions-330
    umbrix_command 32835; capture 'Umbrix - Umbrix Daily' daily-329
    umbrix_command 32794; capture 'Umbrix - To Do When Cursor Reaches Corner' cursor-tracer-320
    umbrix_command 32839; capture 'Umbrix - Define Battery Power Alert' battery-alert-321
    umbrix_command 32795; capture 'Umbrix : Change Default ScreenSaver' screen-saver-318
    umbrix_command 32821; capture 'Tip of the Day' tip-311
    umbrix_command 32822; capture 'Select Application Look - Umbrix' select-look-326
    umbrix_command 32841; capture 'Welcome Center : Umbrix' welcome-331
    umbrix_command 32846; capture 'Few Help Video Tutorials for Umbrix  From Settings - > Help - > Help Videos' help-videos-334
    umbrix_command 57664; capture 'About Umbrix' about-100
    umbrix_command 32828; capture 'Umbrix : Text to Speech' text-to-speech-327
    umbrix_command 32833; capture 'Umbrix - Desktop Shortcut' select-function-314

    # The alert-text editor, from the battery alert's "&Define Text".
    local w
    umbrix_command 32839
    if w="$(wait_visible 'Umbrix - Define Battery Power Alert')"; then
        press "$w" alt+d
        capture 'Umbrix : Define Text' define-text-323
        press "$w" Escape; wait_gone 'Umbrix - Define Battery Power Alert' || true
    fi

    # A second start asks the running one: 1001 shows the countdown first, 13 the wake-up dialog.
    umbrix 1001 &
    capture 'Umbrix - Confirmation Dialog' confirmation-315
    umbrix 13 &
    capture 'Umbrix - Hibernate & WakeUp' hibernate-resume-319
}

# Vandric shows the current time: a clock fixed at one moment (its timers run
# on the monotonic clock, which stays real) makes its pictures the same each time.
vandric_windows() {
    FAKETIME="2026-06-01 09:00:00" FAKETIME_DONT_FAKE_MONOTONIC=1 \
        LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 \
        wine build/win/Vandric.exe </dev/null >>"$log" 2>&1 &
    pids+=($!)
    local w
    w="$(wait_visible 'Schedule Action - Vandric')"
    # Its clock line is first filled at the first tick of its one-second timer.
    sleep 2
    shot "$w" vandric-schedule
    [ "$mode" = all ] || { press "$w" Escape; return 0; }
    press "$w" Return
    wait_gone 'Schedule Action - Vandric' || true
    # Umbrix leaves, so that Vandric's icon is the first in the tray window.
    umbrix_command 32772
    sleep 3
    tray_menu_shot vandric.exe vandric-tray-menu
    wine build/win/post_message.exe post 'Settings - Vandric' 0x401 </dev/null >>"$log" 2>&1
    w="$(wait_visible 'Settings - Vandric')" && shot "$w" vandric-settings
    wine build/win/post_message.exe post 'Settings - Vandric' 0x112 0x10 </dev/null >>"$log" 2>&1
    capture 'About Vandric' vandric-about
}

installer_windows() {
    local w
    wine "$setup_exe" </dev/null >>"$log" 2>&1 &
    pids+=($!)
    sleep 1
    w="$(timeout 60 xdotool search --sync --onlyvisible --name '^Umbrix .*Setup$' | head -n 1)"
    sleep 0.5
    [ "$mode" = all ] && shot "$w" installer-welcome
    press "$w" Return; sleep 1
    [ "$mode" = all ] && shot "$w" installer-licence
    press "$w" Return; sleep 1
    [ "$mode" = all ] && shot "$w" installer-folder
    press "$w" Return; sleep 1
    shot "$w" installer-options
    [ "$mode" = all ] || { press "$w" Escape; sleep 0.5; press "$w" Return; return 0; }
    press "$w" Return; sleep 8
    shot "$w" installer-finish
    press "$w" Return; sleep 2
    wine "C:\\users\\$(id -un)\\AppData\\Local\\Programs\\Umbrix\\Uninstall.exe" </dev/null >>"$log" 2>&1 &
    w="$(timeout 60 xdotool search --sync --onlyvisible --name '^Umbrix .*Uninstall$' | head -n 1)"
    sleep 1
    shot "$w" uninstaller-confirm
    press "$w" Return; sleep 6
    shot "$w" uninstaller-finish
    press "$w" Return
}

scales=(96)
[ "$mode" = all ] && scales=(96 144 192)
for dpi in "${scales[@]}"; do
    rm -rf "$shots"; mkdir -p "$shots"
    start_session "$dpi"
    umbrix_windows
    vandric_windows
    installer_windows
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    pids=()
    umbrix_stop_wine force
    if [ "$mode" = all ]; then
        out="build/screenshots/$dpi"
        rm -rf "$out"; mkdir -p "$out"
        cp "$shots"/*.png "$out/"
        montage "$out"/*.png -tile 4x -geometry +8+8 -background '#808080' -label '%t' "build/screenshots/sheet-$dpi.png"
        echo "screenshots: $(ls "$out" | wc -l) windows at $dpi dpi in $out"
    fi
done

if [ "$mode" = readme ]; then
    mkdir -p docs/images
    for f in settings tray-menu vandric-schedule installer-options; do
        cp "$shots/$f.png" "docs/images/$f.png"
    done
    ls -l docs/images
fi
