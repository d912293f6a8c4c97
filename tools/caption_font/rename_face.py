"""Renames a cut-down face so that it can never be taken for the full font it
came from; the font's licence reserves no name that this uses."""
import sys

from fontTools.ttLib import TTFont

FAMILY = "Quillmark Captions"
POSTSCRIPT_NAME = "QuillmarkCaptions-Regular"


def main(source: str, target: str) -> None:
    font = TTFont(source, recalcTimestamp=False)
    names = font["name"]
    for name_id in (16, 17, 21, 22):
        names.removeNames(nameID=name_id)
    for name_id, text in ((1, FAMILY), (2, "Regular"), (3, POSTSCRIPT_NAME),
                          (4, FAMILY), (6, POSTSCRIPT_NAME)):
        names.removeNames(nameID=name_id)
        names.setName(text, name_id, 3, 1, 0x409)
    font["CFF "].cff.fontNames = [POSTSCRIPT_NAME]
    font.save(target)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
