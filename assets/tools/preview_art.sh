#!/bin/sh
# Renders every SVG under assets/ to PNG at 1x and 4x, plus a mock of the notice window
# (background, icon, close button, the four lines and sample text), for reviewing artwork.
# Needs rsvg-convert (librsvg2-bin); the mock also needs ImageMagick's convert.
#
# Usage: assets/tools/preview_art.sh [output folder]   (default: build/art-preview)
set -eu

assets=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-build/art-preview}
mkdir -p "$out"

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "rsvg-convert not found (apt-get install librsvg2-bin)" >&2
    exit 1
fi

for svg in "$assets"/*/*.svg; do
    name=$(basename "$(dirname "$svg")")_$(basename "$svg" .svg)
    rsvg-convert "$svg" -o "$out/$name.png"
    rsvg-convert -z 4 "$svg" -o "$out/${name}@4x.png"
done

if command -v convert >/dev/null 2>&1; then
    font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
    [ -f "$font" ] || font=DejaVu-Sans-Bold
    event="Cumpleaños de Ana: ¡no olvides el regalo!"
    date="miércoles, 24 de diciembre de 2025"
    for i in 00 01 02 03 04 05 06 07 08 09 10 11 12; do
        convert "$out/notice_fondo.png" \
            "$out/iconos_aviso$i.png" -geometry +24+24 -composite \
            "$out/notice_cerrar.png" -geometry +370+12 -composite \
            -stroke black -strokewidth 1 \
            -draw "line 24,104 376,104" -draw "line 24,140 376,140" -draw "line 24,264 224,264" \
            -stroke '#FFFFC0' -draw "line 96,184 200,184" -stroke none \
            -font "$font" -pointsize 11 \
            -gravity North -fill '#404040' -annotate +1+116 "$event" -fill white -annotate +0+115 "$event" \
            -gravity NorthWest -fill '#404040' -annotate +25+225 "$date" -fill white -annotate +24+224 "$date" \
            "$out/mock_notice_$i.png"
    done
fi

echo "Previews written to $out"
