#!/usr/bin/env bash
# Release checks (CI), on clean clones of the current commit under
# build/release-checks:
# - signing: a package signed with a throw-away self-signed certificate;
#   every signed file (the programs, setup_helper.exe, the installer, the
#   uninstaller it installs, the programs in the zip) verifies against that
#   certificate, and an unsigned program does not;
# - reproducibility: two unsigned packages built in different folders are
#   byte-identical (same SHA256SUMS, same manifests).
# Exits non-zero when a check failed.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
repo="$(pwd)"
work="$repo/build/release-checks"
rm -rf "$work"
mkdir -p "$work"
failed=0
fail() { echo "release-checks: FAILED: $*"; failed=1; }

first="$work/clone-a"
second="$work/elsewhere/clone-b"
git clone -q --no-hardlinks "$repo" "$first"
git clone -q --no-hardlinks "$repo" "$second"

# The certificate lives two days and only here.
cert="$work/cert"
mkdir -p "$cert"
openssl req -x509 -newkey rsa:3072 -sha256 -days 2 -nodes -subj "/CN=Umbrix throw-away test signer" \
    -addext "extendedKeyUsage=codeSigning" -keyout "$cert/key.pem" -out "$cert/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$cert/key.pem" -in "$cert/cert.pem" -passout pass:throw-away \
    -out "$cert/signer.pfx"

echo "release-checks: signed package"
UMBRIX_SIGN_PFX="$cert/signer.pfx" UMBRIX_SIGN_PASSWORD=throw-away bash "$first/scripts/package.sh"
signed="$work/signed"
mkdir -p "$signed/zip"
cp -r "$first/dist" "$signed/dist"
cp "$first/build/release/programs/"*.exe "$signed/"
version="$(sed -n 's/^#define UMBRIX_VERSION_TEXT "\(.*\)"$/\1/p' "$first/build/release/generated/umbrix_version.h")"
setup="$signed/dist/Umbrix-$version-setup.exe"
(cd "$signed/zip" && unzip -q "$signed/dist/Umbrix-$version-portable.zip")

# The uninstaller exists only inside the installer: install silently under
# Wine and take the one it writes (which also shows the signed installer
# still passes its own integrity check).
(
    export UMBRIX_WINE_ROOT="$work/wine"
    # shellcheck source=wine-env.sh
    . "$repo/scripts/wine-env.sh"
    trap umbrix_stop_session EXIT
    unset DISPLAY
    umbrix_ensure_display && umbrix_ensure_wine
    timeout 120 wine "$setup" /S </dev/null >"$work/install.log" 2>&1 || true
    cp "$WINEPREFIX"/drive_c/users/*/AppData/Local/Programs/Umbrix/Uninstall.exe "$signed/Uninstall.exe"
) || fail "the signed installer did not install its uninstaller"

verify() { osslsigncode verify -CAfile "$cert/cert.pem" -in "$1" >"$work/verify.log" 2>&1; }
for file in "$signed/Umbrix.exe" "$signed/Vandric.exe" "$signed/setup_helper.exe" \
            "$setup" "$signed/Uninstall.exe" "$signed/zip/"*/Umbrix.exe "$signed/zip/"*/Vandric.exe; do
    if verify "$file"; then
        echo "release-checks: signature verifies: ${file#"$signed/"}"
    else
        cat "$work/verify.log"; fail "no valid signature: ${file#"$signed/"}"
    fi
done
! verify "$first/build/release/Umbrix.exe" || fail "an unsigned program passes the signature check"

echo "release-checks: two unsigned packages in different folders"
bash "$first/scripts/package.sh" | tail -n 1
bash "$second/scripts/package.sh" | tail -n 1
if diff -r "$first/dist" "$second/dist"; then
    echo "release-checks: identical:"; cat "$first/dist/SHA256SUMS"
else
    fail "the two packages differ (kept in $first/dist and $second/dist)"
fi

[ "$failed" -eq 0 ] && echo "release-checks: passed"
exit "$failed"
