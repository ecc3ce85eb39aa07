#!/usr/bin/env bash
# Writes the package-manager manifests of a release into DIST, filled from
# the version and DIST/SHA256SUMS:
#   DIST/winget/Corvane.Umbrix{,.installer,.locale.en-US}.yaml  (schema 1.6)
#   DIST/umbrix.json                                             (Scoop)
#   packaging/manifests.sh VERSION SOURCE_DATE_EPOCH DIST PORTABLE_FOLDER
# PORTABLE_FOLDER is the zip's top folder as staged: the settings files of
# the portable mode found there are the ones Scoop keeps across updates.
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
# shellcheck source=urls.sh
. "$here/urls.sh"

version="$1" epoch="$2" dist="$3" folder="$4"
setup="Umbrix-$version-setup.exe"
portable="Umbrix-$version-portable.zip"
id="Corvane.Umbrix"
# The name of the installer's Add/Remove Programs key (packaging/umbrix.nsi).
product_code="Umbrix"
summary="Switches the monitor off, locks and runs timed power actions from the tray; Vandric shuts down after a delay."

# download_url VERSION FILE
download_url() {
    local url="${UMBRIX_DOWNLOAD_URL_PATTERN//\{version\}/$1}"
    echo "${url//\{file\}/$2}"
}
sum_of() {
    local sum
    sum="$(awk -v f="$1" '$2 == f || $2 == "*" f { print $1 }' "$dist/SHA256SUMS")"
    [ -n "$sum" ] || { echo "manifests: $1 is not in $dist/SHA256SUMS" >&2; exit 1; }
    echo "$sum"
}
setup_sum="$(sum_of "$setup")"
portable_sum="$(sum_of "$portable")"
publisher_url="$(echo "$UMBRIX_HOMEPAGE_URL" | sed -E 's#^([a-z]+://[^/]+).*#\1#')"
release_date="$(date -u -d "@$epoch" +%Y-%m-%d)"

mkdir -p "$dist/winget"
schema="# yaml-language-server: \$schema=https://aka.ms/winget-manifest"
cat > "$dist/winget/$id.yaml" <<YAML
$schema.version.1.6.0.schema.json
PackageIdentifier: $id
PackageVersion: $version
DefaultLocale: en-US
ManifestType: version
ManifestVersion: 1.6.0
YAML

# InstallerSha256 in capitals, as winget's own tools write it.
cat > "$dist/winget/$id.installer.yaml" <<YAML
$schema.installer.1.6.0.schema.json
PackageIdentifier: $id
PackageVersion: $version
InstallerType: nullsoft
Scope: user
InstallModes:
- interactive
- silent
- silentWithProgress
InstallerSwitches:
  Silent: /S
  SilentWithProgress: /S
  InstallLocation: /D=<INSTALLPATH>
UpgradeBehavior: install
ProductCode: $product_code
ReleaseDate: $release_date
Installers:
- Architecture: x64
  InstallerUrl: $(download_url "$version" "$setup")
  InstallerSha256: ${setup_sum^^}
ManifestType: installer
ManifestVersion: 1.6.0
YAML

cat > "$dist/winget/$id.locale.en-US.yaml" <<YAML
$schema.defaultLocale.1.6.0.schema.json
PackageIdentifier: $id
PackageVersion: $version
PackageLocale: en-US
Publisher: Corvane
PublisherUrl: $publisher_url
PackageName: Umbrix
PackageUrl: $UMBRIX_HOMEPAGE_URL
License: MIT
Copyright: Copyright (c) 2026 Corvane
ShortDescription: "$summary"
Tags:
- monitor
- shutdown
- timer
- tray
ManifestType: defaultLocale
ManifestVersion: 1.6.0
YAML

# Scoop: the zip's one top folder is the app folder; the settings files of
# the portable mode live beside the programs and move to Scoop's persist
# folder, so an update keeps them.
persist="$(cd "$folder" && find . -maxdepth 1 -type f -name '*-settings.ini' -printf '%f\n' | LC_ALL=C sort |
    sed 's/.*/        "&"/' | paste -sd, | sed 's/,/,\n/g')"
{
    cat <<JSON
{
    "version": "$version",
    "description": "$summary",
    "homepage": "$UMBRIX_HOMEPAGE_URL",
    "license": "MIT",
    "url": "$(download_url "$version" "$portable")",
    "hash": "$portable_sum",
    "extract_dir": "$(basename "$folder")",
    "bin": [
        "Umbrix.exe",
        "Vandric.exe"
    ],
    "shortcuts": [
        ["Umbrix.exe", "Umbrix", ":settings"],
        ["Vandric.exe", "Vandric"]
    ],
JSON
    [ -z "$persist" ] || printf '    "persist": [\n%s\n    ],\n' "$persist"
    cat <<JSON
    "checkver": {
        "url": "$UMBRIX_HOMEPAGE_URL",
        "regex": "Umbrix-([\\\\d.]+)-portable\\\\.zip"
    },
    "autoupdate": {
        "url": "$(download_url '$version' 'Umbrix-$version-portable.zip')",
        "extract_dir": "Umbrix-\$version"
    }
}
JSON
} > "$dist/umbrix.json"
