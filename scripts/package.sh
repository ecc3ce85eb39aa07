#!/usr/bin/env bash
# Builds the release: both programs optimised and stripped in build/release,
# then in dist/ the per-user installer Umbrix-<version>-setup.exe (NSIS), the
# portable Umbrix-<version>-portable.zip and SHA256SUMS. The version is the
# one of project() in CMakeLists.txt.
#   UMBRIX_JOBS  parallel jobs (default 2)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
repo="$(pwd)"

bash scripts/install-deps.sh

jobs="${UMBRIX_JOBS:-2}"
build="$repo/build/release"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=MinSizeRel \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
      -DCMAKE_EXE_LINKER_FLAGS=-s >/dev/null
cmake --build "$build" -j"$jobs" --target Umbrix Vandric setup_helper

version="$(sed -n 's/^#define UMBRIX_VERSION_TEXT "\(.*\)"$/\1/p' "$build/generated/umbrix_version.h")"
[ -n "$version" ] || { echo "package: no version in $build/generated/umbrix_version.h" >&2; exit 1; }

mkdir -p dist
setup="dist/Umbrix-$version-setup.exe"
portable="dist/Umbrix-$version-portable.zip"
rm -f "$setup" "$portable" dist/SHA256SUMS

makensis -V2 -DVERSION="$version" -DPROGRAM_DIR="$build" -DOUTFILE="$repo/$setup" packaging/umbrix.nsi

# The zip holds one folder, so that unpacking makes no mess; the text in
# Windows line ends.
stage="$build/portable/Umbrix-$version"
rm -rf "$build/portable"
mkdir -p "$stage"
cp "$build/Umbrix.exe" "$build/Vandric.exe" "$stage/"
cp packaging/portable/Umbrix-settings.ini packaging/portable/Vandric-settings.ini "$stage/"
sed 's/$/\r/' packaging/portable-readme.txt > "$stage/README.txt"
(cd "$build/portable" && zip -q -9 -X -r "$repo/$portable" "Umbrix-$version")

(cd dist && sha256sum "$(basename "$setup")" "$(basename "$portable")" > SHA256SUMS)
ls -l "$setup" "$portable" dist/SHA256SUMS
