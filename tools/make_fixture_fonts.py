#!/usr/bin/python3
"""Writes the fixture fonts of the font services' tests into tests/fixtures/.

Small but complete TrueType fonts (a notdef box, space, A-Z and a-z drawn
as boxes) whose names are chosen so that what the tests expect is
predictable: the face name each file records and the family under which
the system lists it once installed. Plus three files that are not usable
fonts, and the fonts of the details' tests (names 0-17, embedding bits,
the character map a reader must choose, PostScript outlines, a
collection). The output is deterministic (fixed timestamps), so running this
again changes nothing; the files are committed and the build needs no
Python.

Needs fontTools (Debian: python3-fonttools).
"""

import pathlib

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.t2CharStringPen import T2CharStringPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTCollection, TTFont
from fontTools.ttLib.tables._c_m_a_p import CmapSubtable

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



# The fonts of the details' tests: every name ID from 0 to 17 but 15.
DETAIL_NAMES = {
    0: "Copyright 2000 Kernwell Fixtures", 1: "Details Latin", 2: "Regular", 3: "Kernwell: Details Latin: 2000",
    4: "Details Latin", 5: "Version 1.500", 6: "DetailsLatin-Regular", 7: "Details is nobody's trademark",
    8: "Kernwell Fixtures", 9: "A. Designer", 10: "A font for the details' tests", 11: "https://vendor.example/",
    12: "https://designer.example/", 13: "Licensed for tests only", 14: "https://licence.example/",
    16: "Details", 17: "Latin",
}
# Mapped beside A-Z and a-z; every other printable character of code page
# 1252 is not. The first three run in a segment whose glyphs are not
# consecutive, so its codes are mapped through the glyph index array.
DETAIL_ACCENTS = [0xE8, 0xE9, 0xEA, 0xFC, 0xF1, 0x20AC, 0x201E, 0x0178]
CP1252_PRINTABLE = [c for c in bytes(range(33, 256)).decode("cp1252", errors="ignore") if c != "\x7f"]


def glyph_name(code_point):
    return "uni%04X" % code_point if code_point <= 0xFFFF else "u%05X" % code_point


def subtable(format, platform, encoding, mapping):
    table = CmapSubtable.newSubtable(format)
    table.platformID, table.platEncID, table.language, table.cmap = platform, encoding, 0, mapping
    return table


def details_font(names, code_points, cmap_tables, fs_type, is_ttf=True):
    """A font with a glyph for each code point and the given cmap subtables,
    each made from the code points it maps."""
    order = [".notdef", "space"] + [glyph_name(c) for c in code_points]
    fb = FontBuilder(UNITS_PER_EM, isTTF=is_ttf)
    fb.setupHead(unitsPerEm=UNITS_PER_EM, created=TIMESTAMP, modified=TIMESTAMP)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap({0x20: "space"})
    fb.font["cmap"].tables = [subtable(format, platform, encoding, {c: glyph_name(c) for c in mapped})
                              for format, platform, encoding, mapped in cmap_tables]
    if is_ttf:
        fb.setupGlyf({name: box(500, 700) if name != "space" else empty_glyph() for name in order})
    else:
        def charstring(name):
            pen = T2CharStringPen(500, None)
            if name != "space":
                pen.moveTo((50, 0)), pen.lineTo((50, 700)), pen.lineTo((450, 700)), pen.lineTo((450, 0))
                pen.closePath()
            return pen.getCharString()
        fb.setupCFF(names[6], {"FullName": names[4]}, {name: charstring(name) for name in order}, {})
    fb.setupHorizontalMetrics({name: (500, 0) for name in order})
    fb.setupHorizontalHeader(ascent=800, descent=-200)
    fb.setupNameTable(names, mac=False)
    fb.setupOS2(usWeightClass=400, fsType=fs_type, sTypoAscender=800, sTypoDescender=-200,
                usWinAscent=800, usWinDescent=200, achVendID="KWFX")
    fb.setupPost()
    return fb.font


def details_fonts():
    letters = [ord(c) for c in LETTERS]
    latin = letters + DETAIL_ACCENTS
    game = [ord(c) for c in CP1252_PRINTABLE]
    # Glyphs of the first accents in reverse order, so that their segment
    # needs the glyph index array.
    latin_order = letters + [0xEA, 0xE9, 0xE8] + DETAIL_ACCENTS[3:]

    def named(family):
        return {**DETAIL_NAMES, 1: family, 4: family, 6: family.replace(" ", "") + "-Regular"}

    return [
        ("DetailsLatin.ttf", details_font(DETAIL_NAMES, latin_order, [(4, 3, 1, latin)], 0x0304)),
        # A full-repertoire subtable (format 12) that maps every game
        # character, preferred to a BMP one (format 4) that maps A-Z only.
        ("DetailsWide.ttf", details_font(named("Details Wide"), game + [0x1F600],
                                         [(4, 3, 1, letters[:26]), (12, 3, 10, game + [0x1F600])], 0x0002)),
        ("DetailsSymbol.ttf", details_font(named("Details Symbol"), list(range(0xF021, 0xF07F)),
                                           [(4, 3, 0, list(range(0xF021, 0xF07F)))], 0x0000)),
        # Unicode subtables of the Unicode and Macintosh platforms only.
        ("DetailsMacCmap.ttf", details_font(named("Details Mac Cmap"), letters,
                                            [(4, 0, 3, letters), (6, 1, 0, letters)], 0x0004)),
        # PostScript outlines in a file named .ttf.
        ("DetailsCff.ttf", details_font(named("Details Cff"), letters, [(4, 3, 1, letters)], 0x000C, is_ttf=False)),
    ]


def save_details_fonts():
    saved = []
    for file_name, font in details_fonts():
        font.save(str(FIXTURES / file_name))
        saved.append(file_name)
    # A collection renamed .ttf: DetailsLatin, then DetailsWide.
    collection = TTCollection()
    collection.fonts = [TTFont(str(FIXTURES / name), recalcTimestamp=False) for name in saved[:2]]
    collection.save(str(FIXTURES / "DetailsCollection.ttf"))


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
    save_details_fonts()


if __name__ == "__main__":
    main()
