#!/usr/bin/env bash
# End-to-end tests: the real Umbrix.exe under Wine in Xvfb, observed through
# its journal of system requests, its registry branch and its windows.
#   tests/e2e/run.sh [PATTERN]   runs the test functions whose name matches
#   UMBRIX_E2E_SHARD  "clock": only the tests that wait out real minutes;
#                     "rest": all others; unset: all. Each shard has its own
#                     tree (build/e2e-SHARD, build/e2e-artifacts-SHARD), Wine
#                     session and display, so the two can run side by side.
# Every run uses a new Wine prefix under build/e2e/wine (build/e2e-SHARD/wine). Ends with the line
# "N passed, N failed"; exits non-zero when a check failed.
set -uo pipefail

E2E_REPO="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
E2E_DIR="$E2E_REPO/tests/e2e"
E2E_PATTERN="${1:-}"
E2E_BUILT_EXE="${UMBRIX_EXE:-$E2E_REPO/build/win/Umbrix.exe}"
E2E_SHARD="${UMBRIX_E2E_SHARD:-}"
case "$E2E_SHARD" in
    ""|clock|rest) ;;
    *) echo "e2e: UMBRIX_E2E_SHARD must be clock or rest, not '$E2E_SHARD'" >&2; echo "0 passed, 1 failed"; exit 1 ;;
esac
E2E_ROOT="$E2E_REPO/build/e2e${E2E_SHARD:+-$E2E_SHARD}"
E2E_ARTIFACTS="$E2E_REPO/build/e2e-artifacts${E2E_SHARD:+-$E2E_SHARD}"
# The tests that prove the conversion of minutes into real time by waiting
# them out; they spend their time asleep, so they run beside the others.
E2E_REAL_CLOCK_TESTS=" idle_monitor_off_counts_down_a_minute_after_the_last_input vandric_timed_restart_with_a_second_copy "
E2E_LOG="$E2E_ARTIFACTS/wine.log"

if [ ! -f "$E2E_BUILT_EXE" ]; then
    echo "e2e: $E2E_BUILT_EXE is missing; build first (scripts/build.sh)" >&2
    echo "0 passed, 1 failed"
    exit 1
fi

export UMBRIX_WINE_ROOT="$E2E_ROOT/wine"
# shellcheck source=../../scripts/wine-env.sh
. "$E2E_REPO/scripts/wine-env.sh"
# A server left over from an interrupted run must not outlive its prefix.
[ -d "$WINEPREFIX" ] && umbrix_stop_wine force
rm -rf "$WINEPREFIX" "$E2E_ROOT/program" "$E2E_ARTIFACTS"
mkdir -p "$E2E_ROOT/program" "$E2E_ARTIFACTS"
# A folder of its own, so that no companion program built or placed beside
# build/win can change what the tests see.
cp "$E2E_BUILT_EXE" "$E2E_ROOT/program/Umbrix.exe"
E2E_EXE="$E2E_ROOT/program/Umbrix.exe"
# shellcheck source=lib.sh
. "$E2E_DIR/lib.sh"
E2E_PROGRAM_DIR_WIN="$(umbrix_win_path "$E2E_ROOT/program")"

e2e_cleanup() {
    umbrix_kill_all
    umbrix_stop_session
}
trap e2e_cleanup EXIT
trap 'exit 130' INT TERM

# A private display: key presses must reach the program under test, not
# whatever has the focus on a real desktop.
unset DISPLAY
umbrix_ensure_display || { echo "0 passed, 1 failed"; exit 1; }
echo "e2e: display $DISPLAY, prefix $WINEPREFIX"
started=$SECONDS
# The tray tests click Wine's tray window, which takes clicks only while managed.
export UMBRIX_WINE_MANAGED=1
# The 1.6 s before the display goes off, shortened in journal mode only;
# test_action_9_switches_display_off keeps the real one and measures it.
export UMBRIX_JOURNAL_PAUSE_MS=0
umbrix_ensure_wine
echo "e2e: Wine session ready in $((SECONDS - started)) s"

for f in "$E2E_DIR"/test_*.sh; do
    # shellcheck disable=SC1090
    . "$f"
done

# A slip in one test must not end the whole run.
set +u
for t in $(declare -F | awk '{print $3}' | grep '^test_' | sort); do
    [ -n "$E2E_PATTERN" ] && [[ "$t" != *$E2E_PATTERN* ]] && continue
    E2E_CURRENT="${t#test_}"
    case "$E2E_SHARD" in
        clock) [[ "$E2E_REAL_CLOCK_TESTS" == *" $E2E_CURRENT "* ]] || continue ;;
        rest)  [[ "$E2E_REAL_CLOCK_TESTS" == *" $E2E_CURRENT "* ]] && continue ;;
    esac
    t0=$SECONDS
    e2e_reset
    "$t"
    echo "---- $E2E_CURRENT ($((SECONDS - t0)) s)"
done
E2E_CURRENT="teardown"
umbrix_kill_all

echo "e2e: artifacts in $E2E_ARTIFACTS"
[ "$E2E_SKIPPED" -gt 0 ] && echo "$E2E_SKIPPED skipped"
echo "$E2E_PASSED passed, $E2E_FAILED failed"
[ "$E2E_FAILED" -eq 0 ] && [ "$E2E_PASSED" -gt 0 ]
