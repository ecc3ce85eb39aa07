#!/usr/bin/env bash
# Configures and builds both trees: build/native (portable code and its unit
# tests, no <windows.h>) and build/win (the programs and the Win32 tests,
# cross-compiled with mingw-w64).
#   scripts/build.sh [TARGET...]   with targets (for example Umbrix): only
#                                  those of build/win, nothing native
#   UMBRIX_JOBS        parallel jobs (default 2)
#   UMBRIX_BUILD_TYPE  CMAKE_BUILD_TYPE (default: none)
#   UMBRIX_CC          gcc (default): build/win with mingw-w64's GCC;
#                      clang: build/win-clang with Clang and lld for the same
#                      target and runtime (cmake/clang-mingw-w64-x86_64.cmake)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

jobs="${UMBRIX_JOBS:-2}"
build_type="${UMBRIX_BUILD_TYPE:-}"

targets=()
for t in "$@"; do targets+=(--target "$t"); done

if [ $# -eq 0 ]; then
    cmake -S . -B build/native -DCMAKE_BUILD_TYPE="$build_type"
    cmake --build build/native -j"$jobs"
fi

# The Win32 tests are listed when CTest runs them, not while building, so
# the build needs no Wine.
case "${UMBRIX_CC:-gcc}" in
    gcc)   win_tree=build/win;       toolchain=cmake/mingw-w64-x86_64.cmake ;;
    clang) win_tree=build/win-clang; toolchain=cmake/clang-mingw-w64-x86_64.cmake ;;
    *) echo "build.sh: UMBRIX_CC must be gcc or clang, not '$UMBRIX_CC'" >&2; exit 2 ;;
esac
cmake -S . -B "$win_tree" -DCMAKE_BUILD_TYPE="$build_type" \
      -DCMAKE_TOOLCHAIN_FILE="$toolchain"
cmake --build "$win_tree" -j"$jobs" ${targets[@]+"${targets[@]}"}
