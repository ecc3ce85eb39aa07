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
bash scripts/build.sh

. scripts/wine-env.sh
trap umbrix_stop_session EXIT
umbrix_ensure_display
umbrix_ensure_wine

if [ -n "${UMBRIX_JOURNAL:-}" ] && [ "${UMBRIX_JOURNAL#/}" != "$UMBRIX_JOURNAL" ]; then
    UMBRIX_JOURNAL="$(umbrix_win_path "$UMBRIX_JOURNAL")"
    export UMBRIX_JOURNAL
fi

echo "run: Umbrix.exe $* on display $DISPLAY${UMBRIX_JOURNAL:+, journal $UMBRIX_JOURNAL}"
[ -n "${UMBRIX_XVFB_PID:-}" ] && echo "run: screenshot with: DISPLAY=$DISPLAY import -window root shot.png"
rc=0
wine build/win/Umbrix.exe "$@" || rc=$?
echo "run: Umbrix.exe ended with $rc"
exit "$rc"
