#!/usr/bin/python3
"""Writes the fixture fonts of the font services' tests into tests/fixtures/.

Small but complete TrueType fonts (a notdef box, space, A-Z and a-z drawn
as boxes) whose names are chosen so that what the tests expect is
predictable: the face name each file records and the family under which
the system lists it once installed. Plus three files that are not usable
fonts. The output is deterministic (fixed timestamps), so running this
again changes nothing; the files are committed and the build needs no
Python.

Needs fontTools (Debian: python3-fonttools).
"""

import pathlib

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

FIXTURES = pathlib.Path(__file__).resolve().parent.parent / "tests" / "fixtures"
UNITS_PER_EM = 1000
TIMESTAMP = 0x7C25B080  # 2000-01-01 in seconds since 1904, the head table's epoch
LETTERS = [chr(c) for c in range(ord("A"), ord("Z") + 1)] + [chr(c) for c in range(ord("a"), ord("z") + 1)]

# file name, name records (ID -> text), weight, italic, fixed pitch, Windows records, Mac records
FONTS = [
    ("FixtureSans.ttf", {1: "Fixture Sans", 2: "Regular", 4: "Fixture Sans"}, 400, False, False, True, False),
    ("FixtureSansBold.ttf", {1: "Fixture Sans", 2: "Bold", 4: "Fixture Sans Bold"}, 700, False, False, True, False),
    ("FixtureSerifItalic.ttf", {1: "Fixture Serif", 2: "Italic", 4: "Fixture Serif Italic"}, 400, True, False, True, False),
    ("FixtureMonoBoldItalic.ttf", {1: "Fixture Mono", 2: "Bold Italic", 4: "Fixture Mono Bold Italic"}, 700, True, True, True, False),
    ("BoldFaceSans.ttf", {1: "BoldFace Sans", 2: "Regular", 4: "BoldFace Sans"}, 400, False, False, True, False),
    ("FixtureMac.ttf", {1: "Fixture Mac", 2: "Regular", 4: "Fixture Mac"}, 400, False, False, False, True),
    ("FixtureLongName31.ttf", {1: "Fixture Thirty One Characters A", 2: "Regular", 4: "Fixture Thirty One Characters A"}, 400, False, False, True, False),
    ("FixtureNoFullBold.ttf", {1: "Fixture Nofull", 2: "Bold"}, 700, False, False, True, False),
    ("FixturePlain.ttf", {1: "Fixture Plain", 2: "Regular"}, 400, False, False, True, False),
    ("FixtureCafe.ttf", {1: "Fixture Caf\u00e9", 2: "Regular", 4: "Fixture Caf\u00e9"}, 400, False, False, True, False),
    # Two families that no system has, the first name a prefix of the second;
    # the second's weight and slant are not in its name.
    ("ZqQuux.ttf", {1: "Zq Quux", 2: "Regular", 4: "Zq Quux"}, 400, False, False, True, False),
    ("ZqQuuxWide.ttf", {1: "Zq Quux Wide", 2: "SemiBold Italic", 4: "Zq Quux Wide"}, 600, True, False, True, False),
]


def box(width, height, inset=50):
    pen = TTGlyphPen(None)
    pen.moveTo((inset, 0))
    pen.lineTo((inset, height))
    pen.lineTo((width - inset, height))
    pen.lineTo((width - inset, 0))
    pen.closePath()
    return pen.glyph()


def empty_glyph():
    return TTGlyphPen(None).glyph()


def glyph_set(fixed_pitch):
    """Glyph order, outlines, advance widths and the character map."""
    order = [".notdef", "space"] + LETTERS
    outlines = {".notdef": box(500, 700), "space": empty_glyph()}
    widths = {".notdef": 500, "space": 250 if not fixed_pitch else 600}
    cmap = {0x20: "space"}
    for i, letter in enumerate(LETTERS):
        width = 600 if fixed_pitch else 450 + (i % 5) * 50
        outlines[letter] = box(width, 700 if letter.isupper() else 500)
        widths[letter] = width
        cmap[ord(letter)] = letter
    return order, outlines, widths, cmap


def build(names, weight, italic, fixed_pitch, windows, mac):
    order, outlines, widths, cmap = glyph_set(fixed_pitch)
    fb = FontBuilder(UNITS_PER_EM, isTTF=True)
    mac_style = (1 if weight >= 700 else 0) | (2 if italic else 0)
    fb.setupHead(unitsPerEm=UNITS_PER_EM, created=TIMESTAMP, modified=TIMESTAMP, macStyle=mac_style)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf(outlines)
    fb.setupHorizontalMetrics({name: (widths[name], 0) for name in order})
    fb.setupHorizontalHeader(ascent=800, descent=-200)
    full = dict(names)
    full.setdefault(6, names[1].replace(" ", "").replace("\u00e9", "e") + "-" + names[2].replace(" ", ""))
    fb.setupNameTable(full, windows=windows, mac=mac)
    selection = (0x01 if italic else 0) | (0x20 if weight >= 700 else 0) | (0x40 if mac_style == 0 else 0)
    fb.setupOS2(usWeightClass=weight, fsSelection=selection, sTypoAscender=800, sTypoDescender=-200,
                usWinAscent=800, usWinDescent=200, achVendID="KWFX")
    fb.setupPost(isFixedPitch=1 if fixed_pitch else 0)
    return fb.font



def name_table_end_cut(data):
    """Length that cuts a font inside its name table, just past the record headers' start."""
    count = int.from_bytes(data[4:6], "big")
    for i in range(count):
        record = data[12 + 16 * i: 28 + 16 * i]
        if record[0:4] == b"name":
            offset = int.from_bytes(record[8:12], "big")
            return offset + 6 + 12 * 2 + 5
    raise ValueError("no name table")


def main():
    FIXTURES.mkdir(parents=True, exist_ok=True)
    for file_name, names, weight, italic, fixed_pitch, windows, mac in FONTS:
        build(names, weight, italic, fixed_pitch, windows, mac).save(str(FIXTURES / file_name))

    (FIXTURES / "NotAFont.ttf").write_bytes(
        b"<!DOCTYPE html>\n<html><head><title>404 Not Found</title></head>\n"
        b"<body><h1>Not Found</h1><p>The font you asked for is not here.</p></body></html>\n")
    (FIXTURES / "Empty.ttf").write_bytes(b"")
    whole = (FIXTURES / "FixtureSans.ttf").read_bytes()
    (FIXTURES / "Truncated.ttf").write_bytes(whole[:name_table_end_cut(whole)])


if __name__ == "__main__":
    main()
