#!/usr/bin/python3
"""Writes the faces that draw the digits 0-9 as the Eastern Arabic digits.

Each face holds only the ten digits. Its glyphs are the Eastern digits of a Noto
Arabic face; its vertical metrics and digit widths are those of the face it is
put in front of, so a text laid out with it takes exactly the room it took with
that face's own digits. Needs python3-fonttools (Debian) and the fonts the
program uses; run it again only to change the faces:
    /usr/bin/python3 tools/eastern_digits_fonts.py assets
"""
import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.pens.boundsPen import BoundsPen
from fontTools.ttLib import TTFont

NOTO = "/usr/share/fonts/truetype/noto/"
LIBERATION = "/usr/share/fonts/truetype/liberation2/"

# file stem, family, bold, face whose metrics it takes, face whose Eastern digits it draws
FACES = [
    ("eastern_digits_sans", "Sans", False, LIBERATION + "LiberationSans-Regular.ttf", NOTO + "NotoSansArabicUI-Regular.ttf"),
    ("eastern_digits_sans_bold", "Sans", True, LIBERATION + "LiberationSans-Bold.ttf", NOTO + "NotoSansArabicUI-Bold.ttf"),
    ("eastern_digits_naskh", "Naskh", False, NOTO + "NotoNaskhArabicUI-Regular.ttf", NOTO + "NotoNaskhArabicUI-Regular.ttf"),
    ("eastern_digits_naskh_bold", "Naskh", True, NOTO + "NotoNaskhArabicUI-Bold.ttf", NOTO + "NotoNaskhArabicUI-Bold.ttf"),
    ("eastern_digits_serif", "Serif", False, LIBERATION + "LiberationSerif-Regular.ttf", NOTO + "NotoNaskhArabicUI-Regular.ttf"),
    ("eastern_digits_serif_bold", "Serif", True, LIBERATION + "LiberationSerif-Bold.ttf", NOTO + "NotoNaskhArabicUI-Bold.ttf"),
]
FAMILY = "SetsDrill Eastern Digits "


def license_text():
    """The SIL Open Font License the Noto faces come under, from their Debian copyright file."""
    lines, inside = [], False
    with open("/usr/share/doc/fonts-noto-ui-core/copyright", encoding="utf-8") as f:
        for line in f:
            if line.rstrip() == "License: OFL-1.1" and not line.startswith(" "):
                inside = True
                continue
            if inside:
                if not line.startswith(" "):
                    if lines:
                        break
                    inside = False  # a stanza's license field, not the license's own paragraph
                    continue
                text = line[1:].rstrip("\n")
                lines.append("" if text == "." else text)
    return "\n".join(lines).strip()


def bounds(glyphset, name):
    pen = BoundsPen(glyphset)
    glyphset[name].draw(pen)
    return pen.bounds


def build(stem, family, bold, metricsPath, glyphsPath, folder):
    metrics = TTFont(metricsPath)
    source = TTFont(glyphsPath)
    mCmap, sCmap = metrics.getBestCmap(), source.getBestCmap()
    mSet, sSet = metrics.getGlyphSet(), source.getGlyphSet()
    upm = metrics["head"].unitsPerEm
    western = [mCmap[0x30 + d] for d in range(10)]
    eastern = [sCmap[0x660 + d] for d in range(10)]
    # One scale for the ten: the Eastern one as tall as the Western one, and
    # every digit within its width.
    w1, e1 = bounds(mSet, western[1]), bounds(sSet, eastern[1])
    scale = (w1[3] - w1[1]) / (e1[3] - e1[1])
    for d in range(10):
        b = bounds(sSet, eastern[d])
        scale = min(scale, 0.92 * metrics["hmtx"][western[d]][0] / (b[2] - b[0]))
    order = [".notdef"] + ["digit%d" % d for d in range(10)]
    glyphs = {".notdef": TTGlyphPen(None).glyph()}
    advances = {".notdef": (upm // 2, 0)}
    for d in range(10):
        advance = metrics["hmtx"][western[d]][0]
        b = bounds(sSet, eastern[d])
        dx = (advance - (b[2] - b[0]) * scale) / 2 - b[0] * scale
        dy = w1[1] - e1[1] * scale
        pen = TTGlyphPen(None)
        sSet[eastern[d]].draw(TransformPen(pen, (scale, 0, 0, scale, dx, dy)))
        glyph = pen.glyph()
        glyph.recalcBounds(None)
        name = "digit%d" % d
        glyphs[name] = glyph
        advances[name] = (advance, glyph.xMin if glyph.numberOfContours else 0)
    style = "Bold" if bold else "Regular"
    fb = FontBuilder(upm, isTTF=True)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap({0x30 + d: "digit%d" % d for d in range(10)})
    fb.setupGlyf(glyphs)
    fb.setupHorizontalMetrics(advances)
    hhea = metrics["hhea"]
    fb.setupHorizontalHeader(ascent=hhea.ascent, descent=hhea.descent, lineGap=hhea.lineGap)
    os2 = metrics["OS/2"]
    fb.setupOS2(
        version=4, usWeightClass=700 if bold else 400,
        sTypoAscender=os2.sTypoAscender, sTypoDescender=os2.sTypoDescender, sTypoLineGap=os2.sTypoLineGap,
        usWinAscent=os2.usWinAscent, usWinDescent=os2.usWinDescent,
        sxHeight=getattr(os2, "sxHeight", 0), sCapHeight=getattr(os2, "sCapHeight", 0),
        fsSelection=(os2.fsSelection & 0x80) | (0x20 if bold else 0x40),
        achVendID="NONE", usFirstCharIndex=0x30, usLastCharIndex=0x39)
    post = metrics["post"]
    fb.setupPost(underlinePosition=post.underlinePosition, underlineThickness=post.underlineThickness)
    fb.setupNameTable({
        "familyName": FAMILY + family, "styleName": style,
        "uniqueFontIdentifier": FAMILY + family + " " + style,
        "fullName": FAMILY + family + " " + style,
        "psName": (FAMILY + family).replace(" ", "") + "-" + style,
        "version": "Version 1.0",
        "copyright": source["name"].getDebugName(0) or "",
        "licenseDescription": "The digits of " + os.path.basename(glyphsPath) + ", scaled and placed. "
                              "This Font Software is licensed under the SIL Open Font License, Version 1.1.\n\n"
                              + license_text(),
    })
    fb.font["head"].macStyle = 1 if bold else 0
    fb.save(os.path.join(folder, stem + ".ttf"))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "assets"
    for face in FACES:
        build(*face, folder)


if __name__ == "__main__":
    main()
