#!/usr/bin/env bash
# Draws the program icon and the customer-service button picture into resources/.
# Run by hand when the artwork changes; needs ImageMagick and fonts-noto-cjk.
set -euo pipefail
cd "$(dirname "$0")/../resources"
convert=/usr/bin/convert
font=/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc

# Program icon: a quill over a comment bubble, 32 x 32 with transparency.
"$convert" -size 32x32 xc:none \
  -fill '#2f7d32' -draw 'roundrectangle 2,4 29,23 6,6' \
  -draw 'polygon 8,22 8,29 15,22' \
  -fill white -draw 'polygon 9,19 22,7 24,9 11,21' \
  -fill '#c8e6c9' -draw 'polygon 9,19 11,21 8,22' \
  PNG32:quillmark.png

# Customer-service button: a chat-bubble mark and "QQ交谈", 77 x 22, 8-bit RGB.
"$convert" -size 77x22 xc:'#f0f0f0' \
  -fill '#e6e6e6' -stroke '#9a9a9a' -draw 'roundrectangle 0,0 76,21 4,4' -stroke none \
  -fill '#1e88e5' -draw 'roundrectangle 4,4 19,15 4,4' -draw 'polygon 7,14 6,19 12,15' \
  -fill white -draw 'circle 8,10 9,10' -draw 'circle 12,10 13,10' -draw 'circle 16,10 17,10' \
  -font "$font" -pointsize 12 -fill '#202020' -annotate +23+16 'QQ交谈' \
  -type TrueColor -depth 8 PNG24:customer_service.png
