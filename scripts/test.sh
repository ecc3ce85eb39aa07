#!/usr/bin/env bash
# The one test command: installs what is missing, builds both trees, runs the
# native unit tests, the fuzz targets briefly, the Win32 tests under Wine
# (through CTest's emulator), the end-to-end tests, then builds the release
# package and tests its installer and uninstaller. Exits non-zero when
# anything failed; the last line is the summary "N passed, N failed" of the
# end-to-end and packaging checks.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
repo="$(pwd)"
started=$SECONDS

step() { echo; echo "==== $* ($((SECONDS - started)) s)"; }

summary() {
    step "summary"
    printf '  %-18s %s\n' "native unit tests" "$native" "Win32 tests" "$win" "end-to-end tests" "$e2e" \
        "packaging tests" "$package"
    printf '  %-18s %s\n' "fuzz targets" "${fuzz:-not run}"
    if [ -n "$skips" ]; then
        echo "  skipped (each one fails the suite: test.sh builds every feature):"
        printf '%s\n' "$skips" | sed 's/^/    /'
    fi
    echo "  total time         $((SECONDS - started)) s"
    # The checks of the end-to-end and the packaging tests together.
    local e2e_pass e2e_fail pkg_pass pkg_fail
    read -r e2e_pass e2e_fail < <(echo "$e2e_line" | awk '{print $1, $3}')
    read -r pkg_pass pkg_fail < <(echo "$package_line" | awk '{print $1, $3}')
    echo "$((e2e_pass + pkg_pass)) passed, $((e2e_fail + pkg_fail)) failed"
}

# A skipped test proves nothing, and a regression that turns a check into a
# skip would otherwise pass unnoticed. Prints one line per test that CTest did
# not run (missing executable, skip code, disabled) or that GoogleTest skipped
# inside a passing file (the Win32 tests run one process per file).
ctest_skips() {
    [ -f "$1" ] || return 0
    {
        grep -oE '<testcase name="[^"]*"[^>]*status="(notrun|disabled)"' "$1" |
            sed -E 's/^<testcase name="([^"]*)".*status="([a-z]*)"/\1 (ctest: \2)/'
        grep -oE '^\[  SKIPPED \] [A-Za-z0-9_]+\.[A-Za-z0-9_/]+' "$1" |
            sed -E 's/^\[  SKIPPED \] (.*)/\1 (GTEST_SKIP)/'
    } | sort -u
}

native="not run"; win="not run"; e2e="not run"; package="not run"; e2e_line="0 passed, 0 failed"; package_line="0 passed, 0 failed"; skips=""

# A Wine session and a display of its own: nothing another session of this
# checkout runs (scripts/run.sh, a manual ctest) can disturb the tests, and
# no test window appears on a real desktop.
export UMBRIX_WINE_ROOT="$repo/build/test-wine"
unset DISPLAY

step "dependencies"
if ! bash scripts/install-deps.sh; then
    native="not run (dependencies missing)"; summary; exit 1
fi

step "build"
if ! bash scripts/build.sh; then
    native="not run (build failed)"; summary; exit 1
fi

failed=0
rm -f build/native-junit.xml build/win-junit.xml

# Two parts run in the background beside the rest, each with its own Wine
# session and display: the end-to-end tests that wait out real minutes (they
# mostly sleep), and the release package with its installer tests.
clock_log="$repo/build/e2e-clock-output.txt"
package_log="$repo/build/package-output.txt"
UMBRIX_E2E_SHARD=clock bash tests/e2e/run.sh > "$clock_log" 2>&1 &
clock_pid=$!
{
    if bash scripts/package.sh; then
        bash tests/package/run.sh
    else
        echo "scripts/package.sh failed"; false
    fi
} > "$package_log" 2>&1 &
package_pid=$!
background_stop() {
    kill "$clock_pid" "$package_pid" 2>/dev/null
    wait "$clock_pid" "$package_pid" 2>/dev/null
}

step "native unit tests"
if ctest --test-dir build/native --output-on-failure -j2 --timeout 120 \
    --output-junit "$repo/build/native-junit.xml"; then
    native="passed"
else
    native="FAILED"; failed=1
fi

# The libFuzzer targets, a few seconds each from their seed corpus; a crash
# leaves its input under build/fuzz-artifacts.
step "fuzz targets"
if bash scripts/fuzz.sh "${UMBRIX_FUZZ_SECONDS:-3}"; then
    fuzz="passed"
else
    fuzz="FAILED"; failed=1
fi

. scripts/wine-env.sh
trap 'background_stop; umbrix_stop_session' EXIT
trap 'exit 130' INT TERM

step "Win32 tests under Wine"
if umbrix_ensure_display && umbrix_ensure_wine &&
    ctest --test-dir build/win --output-on-failure --timeout 300 --output-junit "$repo/build/win-junit.xml"; then
    win="passed"
else
    win="FAILED"; failed=1
fi
# The end-to-end tests use a Wine session of their own.
umbrix_stop_wine

step "end-to-end tests"
e2e_log="$repo/build/e2e-output.txt"
UMBRIX_E2E_SHARD=rest bash tests/e2e/run.sh 2>&1 | tee "$e2e_log"
rest_rc=${PIPESTATUS[0]}
step "end-to-end tests that wait out real minutes (run beside the others)"
clock_rc=0
wait "$clock_pid" || clock_rc=$?
cat "$clock_log"
# One line for both parts; a part that did not end in its own line counts
# as one failure.
e2e_line="$(cat "$e2e_log" "$clock_log" | awk '
    /^[0-9]+ passed, [0-9]+ failed$/ { p += $1; f += $3; n++ }
    END { if (n < 2) f += 2 - n; print p " passed, " f " failed" }')"
if [ "$rest_rc" -eq 0 ] && [ "$clock_rc" -eq 0 ]; then e2e="passed"; else e2e="FAILED"; failed=1; fi

skips="$(ctest_skips "$repo/build/native-junit.xml"; ctest_skips "$repo/build/win-junit.xml"
         cat "$e2e_log" "$clock_log" | sed -n 's/^skip \(.*\)$/\1 (end-to-end)/p')"
[ -n "$skips" ] && failed=1

step "release package and its installer (built and run beside the others)"
package_rc=0
wait "$package_pid" || package_rc=$?
cat "$package_log"
package_line="$(grep -E '^[0-9]+ passed, [0-9]+ failed$' "$package_log" | tail -n 1)"
[ -n "$package_line" ] || package_line="0 passed, 1 failed"
if [ "$package_rc" -eq 0 ]; then package="passed"; else package="FAILED"; failed=1; fi

summary
exit "$failed"
