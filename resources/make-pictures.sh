#!/bin/sh
# Draws the program's pictures and cursors with ImageMagick. The PNGs are
# committed; run this only to change them.
set -e
PATH=/usr/bin:$PATH
cd "$(dirname "$0")"
# Insertion cursors: arrow tip at the top left (hot spot), and a symbol.
arrow="path 'M 0,0 L 0,15 L 4,11 L 7,18 L 9,17 L 6,10 L 11,10 Z'"
convert -size 32x32 xc:none -fill white -stroke black -draw "$arrow" \
    -fill '#008000' -stroke black -draw "rectangle 14,14 27,27" \
    -fill white -stroke white -strokewidth 2 -draw "line 17,24 24,17" -draw "line 24,17 24,22" -draw "line 24,17 19,17" \
    cursors/CURAB.png
convert -size 32x32 xc:none -fill white -stroke black -draw "$arrow" \
    -fill '#c00000' -stroke black -draw "rectangle 14,14 27,27" \
    -fill white -stroke white -strokewidth 2 -draw "line 17,17 24,24" -draw "line 24,24 24,19" -draw "line 24,24 19,24" \
    cursors/CURAN.png
convert -size 32x32 xc:none -fill white -stroke black -draw "$arrow" \
    -fill '#0000c0' -stroke black -draw "rectangle 14,14 27,27" \
    -fill white -stroke white -strokewidth 2 -draw "line 20,16 20,25" -draw "line 17,16 23,16" -draw "line 17,25 23,25" \
    cursors/CURWT.png
# A little time-distance diagram used by the splash window and the about box.
diagram() {
    w=$1; h=$2; out=$3
    convert -size ${w}x${h} xc:'#f4f6fb' \
        -stroke '#c0c0c0' -draw "line 30,40 $((w-10)),40" -draw "line 30,$((h/2)) $((w-10)),$((h/2))" -draw "line 30,$((h-20)) $((w-10)),$((h-20))" \
        -stroke black -draw "line 30,20 30,$((h-10))" \
        -fill '#0000ff' -stroke '#0000ff' -draw "rectangle $((w*2/10)),10 $((w*3/10)),22" -draw "rectangle $((w*5/10)),10 $((w*6/10)),22" -draw "rectangle $((w*8/10)),10 $((w*9/10)),22" \
        -stroke black -draw "line $((w*25/100)),22 $((w*25/100)),$((h-10))" -draw "line $((w*55/100)),22 $((w*55/100)),$((h-10))" -draw "line $((w*85/100)),22 $((w*85/100)),$((h-10))" \
        -stroke '#c00000' -strokewidth 2 -draw "line $((w*25/100)),35 $((w*55/100)),$((h/2))" -draw "line $((w*55/100)),$((h/2+10)) $((w*85/100)),$((h-25))" \
        -stroke '#008000' -draw "line $((w*85/100)),45 $((w*55/100)),$((h/2-5))" -draw "line $((w*55/100)),$((h/2+5)) $((w*25/100)),$((h-30))" \
        -stroke '#000080' -draw "line $((w*25/100)),60 $((w*85/100)),$((h-15))" \
        "$out"
}
diagram 456 214 pictures/splash.png
diagram 160 120 pictures/about.png
# Message window picture: an "i" on a blue disc.
convert -size 32x32 xc:none -fill '#1e50b4' -stroke '#0a2864' -draw "circle 16,16 16,1" \
    -fill white -stroke none -draw "circle 16,9 16,6" -draw "rectangle 14,13 18,26" pictures/message.png
# Program icon.
convert -size 64x64 xc:'#000080' -fill white -stroke none -draw "rectangle 6,6 58,58" \
    -stroke black -draw "line 14,10 14,54" -draw "line 50,10 50,54" \
    -stroke '#c00000' -strokewidth 3 -draw "line 14,16 50,34" -stroke '#008000' -draw "line 50,24 14,48" \
    pictures/zentoria.png
