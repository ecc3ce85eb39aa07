# The release's winget and Scoop manifests read back and compared with the
# files in dist/, the version and the installer's Add/Remove key. Sourced by
# tests/package/run.sh (needs its check functions, E2E_REPO and version).

# Every field the checks compare, one "name<TAB>value" line each, parsed by
# real YAML and JSON readers (all YAML scalars as text).
manifest_fields() {
    python3 - "$E2E_REPO/dist" "$version" <<'PY'
import glob, json, os, sys, yaml
dist, version = sys.argv[1], sys.argv[2]
def out(name, value): print(f"{name}\t{value}")
docs = {}
for path in sorted(glob.glob(os.path.join(dist, "winget", "*.yaml"))):
    with open(path, encoding="utf-8") as f:
        doc = yaml.load(f, Loader=yaml.BaseLoader)
    docs[doc.get("ManifestType")] = doc
    out("winget file", os.path.basename(path))
for kind in ("version", "installer", "defaultLocale"):
    doc = docs.get(kind, {})
    out(f"{kind} id/version/schema", "/".join(doc.get(k, "") for k in
        ("PackageIdentifier", "PackageVersion", "ManifestVersion")))
ins, loc = docs.get("installer", {}), docs.get("defaultLocale", {})
for k in ("InstallerType", "Scope", "ProductCode"):
    out(k, ins.get(k))
switches = ins.get("InstallerSwitches", {})
out("silent switches", f"{switches.get('Silent')} {switches.get('SilentWithProgress')}")
(installer,) = ins.get("Installers") or [{}]
out("InstallerUrl", installer.get("InstallerUrl"))
out("InstallerSha256", installer.get("InstallerSha256"))
for k in ("License", "Publisher", "PublisherUrl", "PackageUrl"):
    out(k, loc.get(k))
with open(os.path.join(dist, "umbrix.json"), encoding="utf-8") as f:
    scoop = json.load(f)
for k in ("version", "url", "hash", "license", "homepage", "extract_dir"):
    out(f"scoop {k}", scoop.get(k))
out("scoop bin", " ".join(scoop.get("bin", [])))
out("scoop persist", " ".join(scoop.get("persist", [])))
PY
}

test_manifests() {
    E2E_CURRENT="manifests"
    local fields setup_zip zip top key homepage
    fields="$(manifest_fields 2>&1)"
    field() { awk -F'\t' -v k="$1" '$1 == k { print $2 }' <<<"$fields"; }
    zip="Umbrix-$version-portable.zip"
    setup_zip="$E2E_REPO/dist/$zip"
    # shellcheck source=../../packaging/urls.sh
    homepage="$(. "$E2E_REPO/packaging/urls.sh"; echo "$UMBRIX_HOMEPAGE_URL")"
    key="$(sed -n 's/^!define UNINSTALL_KEY ".*\\\([^\\"]*\)"$/\1/p' "$E2E_REPO/packaging/umbrix.nsi")"

    check "SHA256SUMS matches the files" sh -c "cd '$E2E_REPO/dist' && sha256sum -c --quiet SHA256SUMS"
    check_eq "three winget manifests" "Corvane.Umbrix.installer.yaml
Corvane.Umbrix.locale.en-US.yaml
Corvane.Umbrix.yaml" "$(field "winget file")"
    local kind
    for kind in version installer defaultLocale; do
        check_eq "winget $kind manifest" "Corvane.Umbrix/$version/1.6.0" "$(field "$kind id/version/schema")"
    done
    check_eq "nullsoft per-user installer" "nullsoft user" "$(field InstallerType) $(field Scope)"
    check_eq "ProductCode is the Add/Remove key" "$key" "$(field ProductCode)"
    check_eq "silent switches" "/S /S" "$(field "silent switches")"
    check_eq "installer url names the setup" "Umbrix-$version-setup.exe" "$(basename "$(field InstallerUrl)")"
    check_eq "InstallerSha256 of the setup" \
        "$(sha256sum "$E2E_REPO/dist/Umbrix-$version-setup.exe" | awk '{print toupper($1)}')" "$(field InstallerSha256)"
    check_eq "licence, publisher and home page" "MIT Corvane $homepage" \
        "$(field License) $(field Publisher) $(field PackageUrl)"
    check_eq "publisher url is the home page's site" "$(echo "$homepage" | cut -d/ -f1-3)" "$(field PublisherUrl)"

    check_eq "scoop version and licence" "$version MIT $homepage" \
        "$(field "scoop version") $(field "scoop license") $(field "scoop homepage")"
    check_eq "scoop url names the zip" "$zip" "$(basename "$(field "scoop url")")"
    check_eq "scoop hash of the zip" "$(sha256sum "$setup_zip" | cut -d' ' -f1)" "$(field "scoop hash")"
    top="$(unzip -Z1 "$setup_zip" | cut -d/ -f1 | sort -u)"
    check_eq "extract_dir is the zip's one folder" "$top" "$(field "scoop extract_dir")"
    check_eq "bin: both programs" "Umbrix.exe Vandric.exe" "$(field "scoop bin")"
    # Every settings file of the portable mode in the zip is kept across
    # updates, and only files the zip has (Scoop makes a folder of a
    # missing one).
    check_eq "persist: the zip's settings files" \
        "$(unzip -Z1 "$setup_zip" | sed -n "s#^$top/\([^/]*-settings\.ini\)\$#\1#p" | LC_ALL=C sort | paste -sd' ')" \
        "$(field "scoop persist")"
    check "the zip carries the licence" unzip -p "$setup_zip" "$top/LICENSE.txt"
    local name
    for name in Umbrix Vandric; do
        # The version resource's texts are UTF-16: without their zero bytes
        # they read as ASCII.
        check "$name.exe's LegalCopyright names the licence" grep -qa \
            'LegalCopyright.\{0,4\}Copyright (C) 2026 Corvane\. MIT License\.' \
            <(unzip -p "$setup_zip" "$top/$name.exe" | tr -d '\0')
    done
}
test_manifests
