"""Finishes a cut-down face: renames it so that it can never be taken for the
full font it came from (the font's licence reserves no name that this uses),
and gives it the line metrics of 宋体, whose ascent and descent fill exactly
one em, so that at 9 points a line takes 12 pixels and the two lines of a
27-pixel label both fit."""
import sys

from fontTools.ttLib import TTFont

FAMILY = "Quillmark Captions"
POSTSCRIPT_NAME = "QuillmarkCaptions-Regular"
# The ideographic em box of the Noto CJK faces: 880 above the baseline, 120 below.
ASCENT = 880
DESCENT = 120


def rename(font: TTFont) -> None:
    names = font["name"]
    for name_id in (16, 17, 21, 22):
        names.removeNames(nameID=name_id)
    for name_id, text in ((1, FAMILY), (2, "Regular"), (3, POSTSCRIPT_NAME),
                          (4, FAMILY), (6, POSTSCRIPT_NAME)):
        names.removeNames(nameID=name_id)
        names.setName(text, name_id, 3, 1, 0x409)
    font["CFF "].cff.fontNames = [POSTSCRIPT_NAME]


def set_line_metrics(font: TTFont) -> None:
    hhea, os2 = font["hhea"], font["OS/2"]
    hhea.ascent, hhea.descent, hhea.lineGap = ASCENT, -DESCENT, 0
    os2.sTypoAscender, os2.sTypoDescender, os2.sTypoLineGap = ASCENT, -DESCENT, 0
    os2.usWinAscent, os2.usWinDescent = ASCENT, DESCENT


def main(source: str, target: str) -> None:
    font = TTFont(source, recalcTimestamp=False)
    rename(font)
    set_line_metrics(font)
    font.save(target)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
