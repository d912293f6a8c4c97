#!/usr/bin/env bash
# Renders emoji/pictures/1.png to 120.png from Noto Color Emoji, following
# tools/emoji_pictures/emoji_artwork.tsv. Run by hand when the artwork changes.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! dpkg-query -W -f='${Status}' fonts-noto-color-emoji 2>/dev/null | grep -q 'install ok installed'; then
  apt-get update -qq && apt-get install -y -qq fonts-noto-color-emoji
fi
cmake -S . -B build >/dev/null
cmake --build build --target render_emoji_pictures
QT_QPA_PLATFORM=offscreen build/tools/emoji_pictures/render_emoji_pictures \
  tools/emoji_pictures/emoji_artwork.tsv emoji/pictures
