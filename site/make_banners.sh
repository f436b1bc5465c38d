#!/bin/sh
# Draws the eight animated banners of the site (banners/1 English,
# banners/2 Russian) and writes their link texts.
#
#   ./make_banners.sh [base address]     default: http://127.0.0.1:8000
#
# The link texts point at pages of the site itself, so they carry the base
# address the site is served at; run again with the public address before
# publishing. Needs imagemagick and the DejaVu fonts.
set -e
CONVERT=${CONVERT:-convert}
BASE=${1:-http://127.0.0.1:8000}
cd "$(dirname "$0")"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# banner <file> <width> <title> <subtitle> <top colour> <bottom colour>
# Frame 0 is the resting picture; frames 1..4 add the four suits one by one,
# and the banner plays them once when the pointer moves over it.
banner() {
    out=$1 width=$2 title=$3 subtitle=$4 top=$5 bottom=$6
    "$CONVERT" -size "$((width - 4))x56" "gradient:$top-$bottom" \
        -bordercolor '#d4af37' -border 2 \
        -font DejaVu-Sans-Bold -pointsize 16 -fill white -annotate +10+26 "$title" \
        -font DejaVu-Sans -pointsize 11 -fill '#f0e6c0' -annotate +10+46 "$subtitle" \
        "$WORK/base.png"
    cp "$WORK/base.png" "$WORK/f0.png"
    set -- "♠" white "♥" '#ff3030' "♦" '#ff3030' "♣" white
    i=1
    prev="$WORK/base.png"
    while [ $# -gt 0 ]; do
        "$CONVERT" "$prev" -font DejaVu-Sans-Bold -pointsize 18 -fill "$2" \
            -annotate "+$((width - 110 + i * 20))+51" "$1" "$WORK/f$i.png"
        prev="$WORK/f$i.png"
        i=$((i + 1))
        shift 2
    done
    "$CONVERT" -delay 100 "$WORK/f0.png" -delay 18 "$WORK/f1.png" "$WORK/f2.png" "$WORK/f3.png" \
        -delay 60 "$WORK/f4.png" -loop 0 -layers Optimize "$out"
}

link() { printf '%s\n' "$BASE$2" > "$1"; }

banner banners/1/1.gif 230 "Korvana 1.5.3" "Odds calculator" '#0b5d1e' '#04300f'
banner banners/1/2.gif 230 "Free download" "Latest version" '#7a1010' '#3a0505'
banner banners/1/3.gif 230 "Tell a friend" "Share Korvana" '#10407a' '#051d3a'
banner banners/1/4.gif 185 "Help & tips" "Odds FAQ" '#4b2a6b' '#23103a'
link banners/1/1.txt "/"
link banners/1/2.txt "/update.php?l=eng"
link banners/1/3.txt "/tellafriend.php?l=eng"
link banners/1/4.txt "/help.php?l=eng"

banner banners/2/1.gif 230 "Korvana 1.5.3" "Анализ шансов" '#0b5d1e' '#04300f'
banner banners/2/2.gif 230 "Скачать бесплатно" "Новая версия" '#7a1010' '#3a0505'
banner banners/2/3.gif 230 "Расскажи другу" "Поделись Korvana" '#10407a' '#051d3a'
banner banners/2/4.gif 185 "Справка" "Вопросы" '#4b2a6b' '#23103a'
link banners/2/1.txt "/"
link banners/2/2.txt "/update.php?l=rus"
link banners/2/3.txt "/tellafriend.php?l=rus"
link banners/2/4.txt "/help.php?l=rus"
