# Sourced, not run. Pins everything Wine touches inside the build tree so that
# nothing is written into the real home directory, and makes sure a Wine
# session and an X display exist.
#   UMBRIX_WINE_ROOT  where prefix, home and temporary files live
#                     (default: <repo>/build/wine)
# Sourcing changes HOME, so source it after anything that needs the real one.
_umbrix_repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export UMBRIX_WINE_ROOT="${UMBRIX_WINE_ROOT:-$_umbrix_repo/build/wine}"
mkdir -p "$UMBRIX_WINE_ROOT/home" "$UMBRIX_WINE_ROOT/tmp" "$UMBRIX_WINE_ROOT/run"
chmod 700 "$UMBRIX_WINE_ROOT/run"
export HOME="$UMBRIX_WINE_ROOT/home"
export WINEPREFIX="$UMBRIX_WINE_ROOT/prefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export TMPDIR="$UMBRIX_WINE_ROOT/tmp"
export XDG_RUNTIME_DIR="$UMBRIX_WINE_ROOT/run"
# A null sound device lets Core Audio's endpoint volume work without hardware.
[ -f "$HOME/.asoundrc" ] || printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' > "$HOME/.asoundrc"

# Starts Xvfb on a free display when there is none. Only the shell that
# started it knows UMBRIX_XVFB_PID, so only that shell stops it again.
umbrix_ensure_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
    local n i
    for n in $(seq 91 120); do
        if [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; then continue; fi
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
        UMBRIX_XVFB_PID=$!
        export DISPLAY=":$n"
        for i in $(seq 1 100); do
            xdpyinfo >/dev/null 2>&1 && return 0
            # Lost the race for this display number to another Xvfb.
            kill -0 "$UMBRIX_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill "$UMBRIX_XVFB_PID" 2>/dev/null
        unset UMBRIX_XVFB_PID
    done
    unset DISPLAY
    echo "could not start Xvfb" >&2
    return 1
}

# The first Wine process of a session starts Wine's helper services, which
# inherit its stdout; if a test's output is read through a pipe, the pipe then
# never closes. So the session is started here with all output discarded, by
# a server that stays up: otherwise it would exit between two tests and the
# next test would start the services again with its own stdout.
umbrix_ensure_wine() {
    local marker="$UMBRIX_WINE_ROOT/run/persistent-server"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        rm -f "$marker"
        wine wineboot -i </dev/null >/dev/null 2>&1 || true
        # The prefix is complete only once its first server has saved it.
        wineserver -w || true
    fi
    local rc=0
    wineserver -p </dev/null >/dev/null 2>&1 || rc=$?
    if [ "$rc" -ne 0 ] && [ ! -f "$marker" ]; then
        # Someone else's server: one that times out is let go and replaced by
        # ours; one that stays has its services running already.
        timeout 15 wineserver -w || true
        rc=0
        wineserver -p </dev/null >/dev/null 2>&1 || rc=$?
    fi
    # Only the shell that started the server ends it (umbrix_stop_session).
    if [ "$rc" -eq 0 ]; then UMBRIX_OWN_SERVER=1; fi
    : > "$marker"
    wine wineboot </dev/null >/dev/null 2>&1 || true
    # Our Xvfb runs no window manager, yet Wine hands its windows to one and
    # waits up to 2 s for it to withdraw each closing window. Unmanaged
    # windows close at once (and look as they did: no manager, no title bar).
    # Read when a process starts: every program started from here on sees it.
    # UMBRIX_WINE_MANAGED=1 keeps the default: unmanaged, Wine's tray window
    # takes no clicks (measured), which the end-to-end tests need.
    if [ -n "${UMBRIX_XVFB_PID:-}" ] && [ "${UMBRIX_WINE_MANAGED:-0}" != 1 ]; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 || true
    fi
    [ -f "$WINEPREFIX/system.reg" ]
}

# Ends every Wine process of this prefix and its server if this shell started
# that server, or if "force" is given.
umbrix_stop_wine() {
    if [ -d "$WINEPREFIX" ] && { [ -n "${UMBRIX_OWN_SERVER:-}" ] || [ "${1:-}" = force ]; }; then
        wineserver -k >/dev/null 2>&1 || true
        timeout 20 wineserver -w >/dev/null 2>&1 || true
        rm -f "$UMBRIX_WINE_ROOT/run/persistent-server"
        unset UMBRIX_OWN_SERVER
    fi
}

# Ends the Xvfb that this shell started, if any.
umbrix_stop_display() {
    if [ -n "${UMBRIX_XVFB_PID:-}" ]; then
        kill "$UMBRIX_XVFB_PID" 2>/dev/null || true
        wait "$UMBRIX_XVFB_PID" 2>/dev/null || true
        unset UMBRIX_XVFB_PID
    fi
}

umbrix_stop_session() {
    umbrix_stop_wine "$@"
    umbrix_stop_display
}

# The Windows form (Z:\...) of a Linux path, without starting Wine.
umbrix_win_path() {
    local p
    p="$(realpath -m "$1")"
    printf 'Z:%s' "${p//\//\\}"
}
