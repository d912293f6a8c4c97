#!/usr/bin/env bash
# Makes resources/caption_font.otf: the Simplified Chinese face of Noto Serif
# CJK cut down to printable ASCII and the characters of the program's own
# texts (every string literal of the window description and the Qt front end),
# renamed "Quillmark Captions" and given the line metrics of 宋体.
# Run by hand when a caption, menu or message text changes; a GUI test fails
# while a character is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
for package in python3-fonttools fonts-noto-cjk; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    apt-get update -qq && apt-get install -y -qq --no-install-recommends "$package"
  fi
done
work_dir=$(mktemp -d)
trap 'rm -rf "$work_dir"' EXIT
grep -oh '"[^"]*"' window/*.cpp qt/*.cpp | tr -d '"\n' >"$work_dir/characters.txt"
# Face 2 of the collection is the Simplified Chinese one.
/usr/bin/python3 -m fontTools.subset /usr/share/fonts/opentype/noto/NotoSerifCJK-Regular.ttc \
  --font-number=2 --text-file="$work_dir/characters.txt" --unicodes=U+0020-007E \
  --name-IDs='*' --output-file="$work_dir/subset.otf"
/usr/bin/python3 tools/caption_font/finish_face.py "$work_dir/subset.otf" resources/caption_font.otf
