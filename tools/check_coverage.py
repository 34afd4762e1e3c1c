#!/usr/bin/python3
"""Checks the game characters the font details reader finds missing against fontTools.

For each font file given (paths as arguments, or one a line in the files
named with --list), our reader's verdict comes from tools/coverage_dump.cpp,
built here with g++ from the program's own sources into a temporary
folder; fontTools reads the same file independently with the same choice
of subtable: the first Windows subtable of encoding 10, then of encoding 1,
whose format is 12 or 4; else "symbol" when there is a Windows symbol
subtable (3,0), else "none". A game character is missing when the
subtable does not map it, maps it to glyph 0, or to a glyph at or past
maxp's glyph count. Prints every disagreement and a summary; exits 1 on
any disagreement.

Needs g++ and fontTools (Debian: python3-fonttools).
"""

import argparse
import collections
import pathlib
import subprocess
import sys
import tempfile

from fontTools.ttLib import TTFont

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCES = ["tools/coverage_dump.cpp", "fonts/FontDetails.cpp", "fonts/GameCharacters.cpp",
           "fonts/TrueTypeTables.cpp", "fonts/TrueTypeNames.cpp", "fonts/MacRoman.cpp"]
GAME = [(code, ord(bytes([code]).decode("cp1252"))) for code in range(33, 256)
        if code != 127 and code not in (129, 141, 143, 144, 157)]
assert len(GAME) == 217


def build_dump(folder):
    program = pathlib.Path(folder) / "coverage_dump"
    subprocess.run(["g++", "-std=c++20", "-O2", "-Wall", "-Wextra", "-Werror", "-I", str(ROOT),
                    *[str(ROOT / s) for s in SOURCES], "-o", str(program)], check=True)
    return program


def ours(program, paths):
    result = subprocess.run([str(program)], input="".join(p + "\n" for p in paths),
                            capture_output=True, text=True, check=True)
    lines = result.stdout.splitlines()
    assert len(lines) == len(paths), "the dump answered %d of %d files" % (len(lines), len(paths))
    return lines


def windows_subtable(cmap):
    for encoding in (10, 1):
        for subtable in cmap.tables:
            if subtable.platformID == 3 and subtable.platEncID == encoding and subtable.format in (4, 12):
                return subtable
    return None


def theirs(path):
    try:
        font = TTFont(path, fontNumber=0, lazy=True)
    except Exception:
        return "notfont"
    if font.flavor is not None:
        return "notfont"  # WOFF: ours reads sfnt files only
    if "cmap" not in font:
        return "nocmap"
    # Glyphs by number, so that reading the map needs no other table for
    # glyph names ('post' or 'CFF ').
    font.setGlyphOrder(["glyph%05d" % gid for gid in range(0x10000)])
    try:
        subtable = windows_subtable(font["cmap"])
        if subtable is None:
            symbol = any(t.platformID == 3 and t.platEncID == 0 for t in font["cmap"].tables)
            return "symbol" if symbol else "none"
        mapping = subtable.cmap
    except Exception as error:
        return "unreadable (%s)" % type(error).__name__
    try:
        glyph_count = font["maxp"].numGlyphs
    except Exception:
        glyph_count = None
    missing = [code for code, point in GAME
               if point not in mapping
               or (glyph_count is not None and font.getGlyphID(mapping[point]) >= glyph_count)]
    return " ".join(["missing"] + [str(code) for code in missing])


def difference(a, b):
    """Codes only in one of two "missing" lines, or the two lines."""
    if a.startswith("missing") and b.startswith("missing"):
        sa, sb = set(a.split()[1:]), set(b.split()[1:])
        return "ours only %s; fontTools only %s" % (sorted(sa - sb, key=int), sorted(sb - sa, key=int))
    return "ours %r; fontTools %r" % (a[:60], b[:60])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("fonts", nargs="*")
    parser.add_argument("--list", action="append", default=[], help="a file of font paths, one a line")
    args = parser.parse_args()
    paths = list(args.fonts)
    for listing in args.list:
        paths += [line for line in pathlib.Path(listing).read_text().splitlines() if line]
    absent = [path for path in paths if not pathlib.Path(path).is_file()]
    if absent:
        sys.exit("no such file: %s (and %d more)" % (absent[0], len(absent) - 1))
    with tempfile.TemporaryDirectory() as folder:
        verdicts = ours(build_dump(folder), paths)
    kinds, disagreements = collections.Counter(), 0
    for path, our in zip(paths, verdicts):
        their = theirs(path)
        if our != their:
            disagreements += 1
            print("DISAGREE %s: %s" % (path, difference(our, their)))
        kind = our.split()[0]
        if kind == "missing":
            kind = "all present" if our == "missing" else "some missing"
        kinds[kind] += 1
    print("%d fonts, %d agree, %d disagree; ours: %s" % (
        len(paths), len(paths) - disagreements, disagreements,
        ", ".join("%s %d" % item for item in sorted(kinds.items()))))
    return 1 if disagreements else 0


if __name__ == "__main__":
    sys.exit(main())
