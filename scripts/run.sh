#!/usr/bin/env bash
# Installs what is missing, builds, and starts Umbrix.exe under Wine with the
# given arguments (for example ":settings"; none switches the monitor off).
# Without a usable display it runs inside Xvfb. Umbrix keeps running in the
# tray until its Exit command or Ctrl+C.
#   UMBRIX_JOURNAL  a file (Linux or Windows path) that receives the system
#                   requests as lines instead of their being carried out
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh
# Only what runs: the tests are built by the test command.
bash scripts/build.sh Umbrix

. scripts/wine-env.sh
umbrix_pid=""
on_exit() {
    [ -n "$umbrix_pid" ] && kill "$umbrix_pid" 2>/dev/null
    umbrix_stop_session
}
trap on_exit EXIT
trap 'exit 130' INT TERM
umbrix_ensure_display
umbrix_ensure_wine
# On a real desktop its window manager manages Wine's windows again (an
# earlier run in Xvfb left them unmanaged in this prefix).
if [ -z "${UMBRIX_XVFB_PID:-}" ]; then
    wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f </dev/null >/dev/null 2>&1 || true
fi

if [ -n "${UMBRIX_JOURNAL:-}" ] && [ "${UMBRIX_JOURNAL#/}" != "$UMBRIX_JOURNAL" ]; then
    UMBRIX_JOURNAL="$(umbrix_win_path "$UMBRIX_JOURNAL")"
    export UMBRIX_JOURNAL
fi

echo "run: Umbrix.exe $* on display $DISPLAY${UMBRIX_JOURNAL:+, journal $UMBRIX_JOURNAL}"
[ -n "${UMBRIX_XVFB_PID:-}" ] && echo "run: screenshot with: DISPLAY=$DISPLAY import -window root shot.png"
# In the background so that a signal to this script is handled at once.
wine build/win/Umbrix.exe "$@" &
umbrix_pid=$!
rc=0
wait "$umbrix_pid" || rc=$?
umbrix_pid=""
echo "run: Umbrix.exe ended with $rc"
exit "$rc"
