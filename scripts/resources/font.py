#!/usr/bin/python3
"""Makes the game's font "Kidprint Regular.scr" from Comic Neue Regular.

Comic Neue is under the SIL Open Font License 1.1 with no reserved font name,
so a renamed, modified copy may be shipped with its licence. The family
becomes "Kidprint Regular", the style stays "Regular", and every glyph is
condensed to 85 % of its width (outlines, advances, kerning): at the game's
designed sizes Comic Neue is too wide for the room its texts are given (the
welcome sheet's second line would need 247 pixels of its 215).

It also writes the licence, taken from the Debian package's copyright file,
to "Kidprint-Regular-LICENSE.txt" beside the font.

Usage: font.py [source.otf] [resources folder]
"""
import sys
from pathlib import Path

from fontTools.pens.t2CharStringPen import T2CharStringPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont
from fontTools.ttLib.tables.otBase import BaseTable

FAMILY = "Kidprint Regular"
STYLE = "Regular"
POSTSCRIPT = "KidprintRegular"
CONDENSED = 0.85
# The horizontal fields of positioning records and anchors.
X_FIELDS = ("XAdvance", "XPlacement", "XCoordinate")
SOURCE = "/usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf"
RESOURCES = Path(__file__).resolve().parents[2] / "resources"
COPYRIGHT = "/usr/share/doc/fonts-comic-neue/copyright"

# name ID -> text; 1/2 the legacy family and style, 16/17 the typographic ones.
NAMES = {
    1: FAMILY,
    2: STYLE,
    3: f"2.003;NONE;{POSTSCRIPT}",
    4: FAMILY,
    6: POSTSCRIPT,
    16: FAMILY,
    17: STYLE,
}


def rename(font):
    table = font["name"]
    for name_id, text in NAMES.items():
        table.removeNames(nameID=name_id)
        table.setName(text, name_id, 3, 1, 0x409)
        table.setName(text, name_id, 1, 0, 0)
    if "CFF " in font:
        cff = font["CFF "].cff
        top = cff[cff.fontNames[0]]
        cff.fontNames[0] = POSTSCRIPT
        top.FamilyName = FAMILY
        top.FullName = FAMILY


def condense_outlines(font, factor):
    cff = font["CFF "].cff
    top = cff[cff.fontNames[0]]
    glyphs = font.getGlyphSet()
    metrics = font["hmtx"].metrics
    top.Private.nominalWidthX = 0
    top.Private.defaultWidthX = 0
    outlines = {}
    for name in font.getGlyphOrder():
        width, lsb = metrics[name]
        pen = T2CharStringPen(round(width * factor), glyphs)
        glyphs[name].draw(TransformPen(pen, (factor, 0, 0, 1, 0, 0)))
        outlines[name] = pen.getCharString(private=top.Private, globalSubrs=cff.GlobalSubrs)
    for name, outline in outlines.items():
        top.CharStrings[name] = outline
        width, lsb = metrics[name]
        metrics[name] = (round(width * factor), round(lsb * factor))


def condense_positions(table, factor):
    """Scales every horizontal positioning value found below the table."""
    stack = [table]
    while stack:
        item = stack.pop()
        if isinstance(item, list):
            stack.extend(item)
        elif isinstance(item, BaseTable) or hasattr(item, "__dict__"):
            for field, value in vars(item).items():
                if field in X_FIELDS and isinstance(value, int):
                    setattr(item, field, round(value * factor))
                elif isinstance(value, (list, BaseTable)) or hasattr(value, "__dict__"):
                    stack.append(value)


def condense(font, factor):
    condense_outlines(font, factor)
    condense_positions(font["GPOS"].table, factor)
    font["OS/2"].recalcAvgCharWidth(font)


def licence_text(copyright_file):
    """The font files' paragraph of a Debian copyright file, as plain text."""
    paragraph = next(p for p in Path(copyright_file).read_text().split("\n\n")
                     if p.startswith("Files: *"))
    holders, licence = paragraph.split("\nLicense: ", 1)
    holders = holders.split("Copyright: ", 1)[1]
    body = licence.split("\n", 1)[1]
    lines = ["" if line.strip() == "." else line[1:] for line in body.split("\n")]
    return ("\"Kidprint Regular\" is Comic Neue Regular with its family name changed and its glyphs\n"
            "condensed to 85 % of their width.\n\n"
            "Copyright " + "\n          ".join(h.strip() for h in holders.split("\n")) + "\n\n"
            + "\n".join(lines).strip("\n") + "\n")


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else SOURCE
    resources = Path(sys.argv[2]) if len(sys.argv) > 2 else RESOURCES
    font = TTFont(source)
    rename(font)
    condense(font, CONDENSED)
    font.save(str(resources / "Kidprint Regular.scr"))
    (resources / "Kidprint-Regular-LICENSE.txt").write_text(licence_text(COPYRIGHT))
    print(f"wrote the font and its licence to {resources}")


if __name__ == "__main__":
    main()
