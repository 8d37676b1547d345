#!/usr/bin/env bash
# Renders the icons' SVG sources into the PNG images the editor embeds (the editor does not depend
# on an SVG plugin at run time). Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for svg in *.svg; do
    name=${svg%.svg}
    case "$name" in
        kanalyx) sizes="16 32 48 64 128 256" ;;
        checkbox-*) sizes="16" ;;
        *) sizes="16 32" ;;
    esac
    for size in $sizes; do
        rsvg-convert -w "$size" -h "$size" -o "png/$name-$size.png" "$svg"
    done
done
