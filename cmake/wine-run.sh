#!/usr/bin/env bash
# CTest's emulator for the Windows test programs: runs one under Wine with
# the project's pinned Wine environment.
set -e
. "$(dirname "${BASH_SOURCE[0]}")/../scripts/wine-env.sh"
umbrix_ensure_wine
exec wine "$@"
