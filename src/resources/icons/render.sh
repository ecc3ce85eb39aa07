#!/bin/bash
# Renders the icon drawings of this folder into the .ico files the resource
# scripts use. The .ico files are committed, so building needs neither tool;
# run this after changing a drawing. Needs rsvg-convert (librsvg2-bin) and
# icotool (icoutils).
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# name of the drawing, then the sizes its .ico holds
render() {
    local name=$1; shift
    local pngs=() raw=()
    for size in "$@"; do
        rsvg-convert -w "$size" -h "$size" -o "$tmp/$name-$size.png" "$name.svg"
        # Windows XP and Wine read the small images as bitmaps; 256 stays PNG.
        if [ "$size" -ge 256 ]; then raw+=(-r "$tmp/$name-$size.png"); else pngs+=("$tmp/$name-$size.png"); fi
    done
    icotool -c -o "$name.ico" "${pngs[@]}" "${raw[@]}"
}

for tray in umbrix_tray_dark_taskbar umbrix_tray_light_taskbar umbrix_tray_awake_dark_taskbar \
            umbrix_tray_awake_light_taskbar umbrix_tray_high_contrast umbrix_tray_awake_high_contrast \
            vandric_tray_dark_taskbar vandric_tray_light_taskbar vandric_tray_high_contrast; do
    render "$tray" 16 20 24 32
done
render umbrix 16 20 24 32 48 256
render vandric 16 20 24 32 48 256
