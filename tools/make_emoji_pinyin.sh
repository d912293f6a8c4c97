#!/usr/bin/env bash
# Prints the toneless pinyin of every emoji label, one syllable per character,
# as ICU's Han-Latin transliterator reads it, with the readings it gets wrong
# in these words put right. The catalogue holds the result beside the labels;
# run this again only when a label is added, and check each reading by hand.
# Usage: tools/make_emoji_pinyin.sh   (needs uconv, from icu-devtools)
set -euo pipefail
cd "$(dirname "$0")/.."
# Word-dependent readings: 调皮 is tiao pi, not diao pi; 投降 is tou xiang,
# not tou jiang; 刀 alone is dao.
declare -A corrected=([调皮]="tiao pi" [投降]="tou xiang" [刀]="dao")
grep -oP '\{\d+, "\K[^"]+' emoji/catalogue.cpp | while read -r label; do
  if [ -n "${corrected[$label]:-}" ]; then
    reading=${corrected[$label]}
  elif [[ $label =~ ^[A-Za-z]+$ ]]; then
    reading=""  # a Latin label is matched as it is written
  else
    reading=$(grep -o . <<<"$label" | uconv -x 'Han-Latin; Latin-ASCII; Lower' | paste -sd ' ')
  fi
  printf '%s\t%s\n' "$label" "$reading"
done
