#!/usr/bin/python3
# Writes the test fonts of the platform tests (run in this folder; needs fontTools).
from fontTools.fontBuilder import FontBuilder
from fontTools.pens.t2CharStringPen import T2CharStringPen
from fontTools.pens.ttGlyphPen import TTGlyphPen

GLYPHS = [".notdef", "space", "A"]


def draw_a(pen):
    pen.moveTo((100, 0))
    pen.lineTo((500, 700))
    pen.lineTo((900, 0))
    pen.closePath()


def truetype_outlines(fb):
    pen = TTGlyphPen(None)
    draw_a(pen)
    fb.setupGlyf({".notdef": TTGlyphPen(None).glyph(), "space": TTGlyphPen(None).glyph(), "A": pen.glyph()})


def cff_outlines(fb, postscript_name):
    def charstring(draw):
        pen = T2CharStringPen(1000, None)
        if draw:
            draw_a(pen)
        return pen.getCharString()
    fb.setupCFF(postscript_name, {"FullName": postscript_name},
                {".notdef": charstring(False), "space": charstring(False), "A": charstring(True)}, {})


def build(path, family, style, bold=False, italic=False, cff=False):
    fb = FontBuilder(1000, isTTF=not cff)
    fb.setupGlyphOrder(GLYPHS)
    fb.setupCharacterMap({32: "space", 65: "A"})
    if cff:
        cff_outlines(fb, "RbPlatformTest-" + style)
    else:
        truetype_outlines(fb)
    fb.setupHorizontalMetrics({g: (1000, 0) for g in GLYPHS})
    fb.setupHorizontalHeader(ascent=800, descent=-200)
    fb.setupNameTable({"familyName": family, "styleName": style})
    selection = (0x20 if bold else 0) | (0x01 if italic else 0) | (0x40 if not (bold or italic) else 0)
    fb.setupOS2(usWeightClass=700 if bold else 400, fsSelection=selection, sTypoAscender=800,
                sTypoDescender=-200, usWinAscent=800, usWinDescent=200)
    fb.setupPost()
    fb.font["head"].macStyle = (1 if bold else 0) | (2 if italic else 0)
    fb.save(path)


build("PlatformTest-Regular.ttf", "Rb Platform Tést", "Regular")
build("PlatformTest-Bold.ttf", "Rb Platform Tést", "Bold", bold=True)
build("PlatformTest-Italic.otf", "Rb Platform Tést", "Italic", italic=True, cff=True)
build("PlatformCyrillic-Regular.ttf", "Рб Проба", "Regular")
with open("NotAFont.ttf", "w") as text:
    text.write("not a font at all\n")
