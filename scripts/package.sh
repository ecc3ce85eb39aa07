#!/usr/bin/env bash
# Builds the release: both programs optimised and stripped in build/release,
# then in dist/ the per-user installer Umbrix-<version>-setup.exe (NSIS), the
# portable Umbrix-<version>-portable.zip, SHA256SUMS and the winget and Scoop
# manifests. The version is the one of project() in CMakeLists.txt.
#   UMBRIX_JOBS        parallel jobs (default 2)
#   SOURCE_DATE_EPOCH  every time stamp of the release (default: the date of
#                      the commit), so that a build of the same commit
#                      elsewhere gives the same bytes
#   UMBRIX_SIGN_PFX    a PKCS#12 certificate: the programs, the installer and
#                      its uninstaller are signed with it (scripts/sign.sh)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
repo="$(pwd)"

bash scripts/install-deps.sh

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH="$(git -C "$repo" log -1 --format=%ct 2>/dev/null || true)"
    [ -n "$SOURCE_DATE_EPOCH" ] ||
        { echo "package: no git commit to date the release; set SOURCE_DATE_EPOCH" >&2; exit 1; }
fi
[[ "$SOURCE_DATE_EPOCH" =~ ^[0-9]+$ ]] ||
    { echo "package: SOURCE_DATE_EPOCH must be seconds since 1970, not '$SOURCE_DATE_EPOCH'" >&2; exit 1; }
# GNU ld takes the PE header's time stamp from it.
export SOURCE_DATE_EPOCH

jobs="${UMBRIX_JOBS:-2}"
build="$repo/build/release"
# Programs linked under another date are linked again.
if [ "$(cat "$build/source-date-epoch" 2>/dev/null)" != "$SOURCE_DATE_EPOCH" ]; then
    rm -f "$build/Umbrix.exe" "$build/Vandric.exe" "$build/setup_helper.exe"
fi
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=MinSizeRel \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
      -DCMAKE_EXE_LINKER_FLAGS=-s >/dev/null
cmake --build "$build" -j"$jobs" --target Umbrix Vandric setup_helper
echo "$SOURCE_DATE_EPOCH" > "$build/source-date-epoch"

version="$(sed -n 's/^#define UMBRIX_VERSION_TEXT "\(.*\)"$/\1/p' "$build/generated/umbrix_version.h")"
[ -n "$version" ] || { echo "package: no version in $build/generated/umbrix_version.h" >&2; exit 1; }

mkdir -p dist
setup="dist/Umbrix-$version-setup.exe"
portable="dist/Umbrix-$version-portable.zip"
rm -rf "$setup" "$portable" dist/SHA256SUMS dist/winget dist/*.json

# The programs as shipped (signed when a certificate is given), for the
# installer and the zip alike.
programs="$build/programs"
rm -rf "$programs"
mkdir -p "$programs"
cp "$build/Umbrix.exe" "$build/Vandric.exe" "$build/setup_helper.exe" "$programs/"
sign=()
if [ -n "${UMBRIX_SIGN_PFX:-}" ]; then
    bash scripts/sign.sh "$programs/Umbrix.exe" "$programs/Vandric.exe" "$programs/setup_helper.exe"
    sign=(-DSIGN="bash \"$repo/scripts/sign.sh\"")
fi

makensis -V2 -DVERSION="$version" -DPROGRAM_DIR="$programs" -DOUTFILE="$repo/$setup" "${sign[@]}" packaging/umbrix.nsi

# The zip holds one folder, so that unpacking makes no mess; the texts in
# Windows line ends. Its entries are added in a fixed order with the
# release's time and fixed modes, without the extra Unix fields.
stage="$build/portable/Umbrix-$version"
rm -rf "$build/portable"
mkdir -p "$stage"
cp "$programs/Umbrix.exe" "$programs/Vandric.exe" "$stage/"
cp packaging/portable/Umbrix-settings.ini packaging/portable/Vandric-settings.ini "$stage/"
sed 's/$/\r/' packaging/portable-readme.txt > "$stage/README.txt"
sed 's/$/\r/' LICENSE > "$stage/LICENSE.txt"
find "$stage" -type d -exec chmod 755 {} + -o -type f -exec chmod 644 {} +
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
(cd "$build/portable" && find "Umbrix-$version" | LC_ALL=C sort |
    TZ=UTC zip -q -9 -X -@ "$repo/$portable")

(cd dist && sha256sum "$(basename "$setup")" "$(basename "$portable")" > SHA256SUMS)
bash packaging/manifests.sh "$version" "$SOURCE_DATE_EPOCH" dist "$stage"
ls -l "$setup" "$portable" dist/SHA256SUMS
[ ${#sign[@]} -gt 0 ] || echo "package: UNSIGNED (UMBRIX_SIGN_PFX names no certificate)"
