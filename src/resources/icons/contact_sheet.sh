#!/bin/bash
# Draws every image of every .ico of this folder on a dark (#202020) and a
# light (#F3F3F3) taskbar colour, each at its own size (100%) and doubled
# (200%, nearest neighbour), into the PNG named by $1. Needs ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"
out=${1:-/tmp/icon-sheet.png}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
rows=()
for ico in *.ico; do
    name=${ico%.ico}
    for bg in '#202020' '#F3F3F3'; do
        cells=()
        i=0
        for frame in $(identify -format '%p ' "$ico"); do
            size=$(identify -format '%w' "$ico[$frame]")
            [ "$size" -gt 48 ] && continue
            for scale in 1 2; do
                px=$((size * scale))
                convert -background "$bg" "$ico[$frame]" -sample ${px}x${px} -gravity center \
                    -extent $((px + 8))x72 "$tmp/$name-$bg-$i.png"
                cells+=("$tmp/$name-$bg-$i.png"); i=$((i + 1))
            done
        done
        label=$(echo "$bg" | tr -d '#')
        convert "${cells[@]}" +append -background "$bg" -fill gray50 -pointsize 11 \
            label:" $name" +append "$tmp/row-$name-$label.png"
        rows+=("$tmp/row-$name-$label.png")
    done
done
convert "${rows[@]}" -background gray40 -gravity west -append "$out"
echo "$out"
