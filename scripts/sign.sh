#!/usr/bin/env bash
# Signs Windows programs in place with osslsigncode (Authenticode, SHA-256).
#   scripts/sign.sh FILE...
#   UMBRIX_SIGN_PFX            the PKCS#12 file with the certificate and key
#   UMBRIX_SIGN_PASSWORD       its password (may be empty)
#   UMBRIX_SIGN_TIMESTAMP_URL  an RFC 3161 time-stamp server, used when set
# scripts/package.sh calls it for the programs, and makensis for the
# uninstaller and the installer.
set -euo pipefail
# shellcheck source=../packaging/urls.sh
. "$(dirname "${BASH_SOURCE[0]}")/../packaging/urls.sh"

pfx="${UMBRIX_SIGN_PFX:?scripts/sign.sh: UMBRIX_SIGN_PFX names no certificate}"
[ -r "$pfx" ] || { echo "sign: cannot read the certificate $pfx" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The password goes through a private file, not the command line that every
# user of the machine can see.
(umask 077; printf '%s' "${UMBRIX_SIGN_PASSWORD:-}" > "$work/pass")
stamp=()
[ -z "${UMBRIX_SIGN_TIMESTAMP_URL:-}" ] || stamp=(-ts "$UMBRIX_SIGN_TIMESTAMP_URL")

for file in "$@"; do
    osslsigncode sign -pkcs12 "$pfx" -readpass "$work/pass" -h sha256 \
        -n "Umbrix" -i "$UMBRIX_HOMEPAGE_URL" "${stamp[@]}" \
        -in "$file" -out "$work/signed" >/dev/null
    # Keep the file's own mode; a failed signing leaves it untouched.
    cat "$work/signed" > "$file"
    rm -f "$work/signed"
    echo "sign: signed $(basename "$file")"
done
