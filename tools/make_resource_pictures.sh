#!/usr/bin/env bash
# Draws the program icon and the customer-service button picture into resources/,
# each also at twice the size for screens of twice the density (@2x), and the
# icon at the sizes of the desktop's icon theme (icons/48x48, icons/256x256)
# and at those of Windows (quillmark.ico).
# Run by hand when the artwork changes; needs ImageMagick and fonts-noto-cjk.
set -euo pipefail
cd "$(dirname "$0")/../resources"
convert=/usr/bin/convert
# No time stamps, so that drawing the same artwork again gives the same bytes.
png_options=(-define png:exclude-chunks=date,time)
font=/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc

# Program icon: a quill over a comment bubble, drawn on a 32 x 32 grid at any size.
icon() {
  local size=$1 scale
  scale=$(awk "BEGIN {print $size / 32}")
  "$convert" -size "${size}x${size}" xc:none \
    -fill '#2f7d32' -draw "scale $scale,$scale roundrectangle 2,4 29,23 6,6" \
    -draw "scale $scale,$scale polygon 8,22 8,29 15,22" \
    -fill white -draw "scale $scale,$scale polygon 9,19 22,7 24,9 11,21" \
    -fill '#c8e6c9' -draw "scale $scale,$scale polygon 9,19 11,21 8,22" \
    "${png_options[@]}" "PNG32:$2"
}
icon 32 quillmark.png
icon 64 quillmark@2x.png
mkdir -p icons/48x48 icons/256x256
icon 48 icons/48x48/quillmark.png
icon 256 icons/256x256/quillmark.png
# The Windows icon holds every size that Windows asks for at the display
# scales from 100 to 200 %, so that none is scaled from another.
sizes=(16 20 24 32 40 48 64 256)
ico_work=$(mktemp -d)
trap 'rm -rf "$ico_work"' EXIT
ico_pictures=()
for size in "${sizes[@]}"; do
  icon "$size" "$ico_work/$size.png"
  ico_pictures+=("$ico_work/$size.png")
done
"$convert" "${ico_pictures[@]}" quillmark.ico

# Customer-service button: a chat-bubble mark and "QQ交谈", 77 x 22, 8-bit RGB.
service() {
  local scale=$1
  "$convert" -size "$((77 * scale))x$((22 * scale))" xc:'#f0f0f0' \
    -fill '#e6e6e6' -stroke '#9a9a9a' -strokewidth "$scale" \
    -draw "scale $scale,$scale roundrectangle 0,0 76,21 4,4" -stroke none \
    -fill '#1e88e5' -draw "scale $scale,$scale roundrectangle 4,4 19,15 4,4" \
    -draw "scale $scale,$scale polygon 7,14 6,19 12,15" \
    -fill white -draw "scale $scale,$scale circle 8,10 9,10" \
    -draw "scale $scale,$scale circle 12,10 13,10" -draw "scale $scale,$scale circle 16,10 17,10" \
    -font "$font" -pointsize "$((12 * scale))" -fill '#202020' \
    -annotate "+$((23 * scale))+$((16 * scale))" 'QQ交谈' \
    -type TrueColor -depth 8 "${png_options[@]}" "PNG24:$2"
}
service 1 customer_service.png
service 2 customer_service@2x.png
