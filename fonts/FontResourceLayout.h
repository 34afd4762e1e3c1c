#pragma once
// The bytes of a scalable font resource file (.FOT): a small 16-bit
// Windows library that names a TrueType file. Its parts, in file order:
// an MZ header pointing at 0x80, a short text at 0x40, the NE header at
// 0x80, a resource table with a font directory and the font file's path,
// the resident name table (the file's base name), the imported-names and
// entry tables, and the non-resident name table, whose one entry is
// "FONTRES:" followed by the face name and a zero byte.
// Standard library only.

#include <string>
#include <vector>

#include "fonts/TrueTypeMetrics.h"
#include "runtime/Text.h"

struct FontResourceContents {
    bool hidden = false;        // private to the process that adds it, and not enumerated
    std::string fontFile;       // the path recorded for the font file, ANSI code page
    std::string faceName;       // follows "FONTRES:", ANSI code page
    std::string familyName;     // the directory entry's face name, ANSI code page
    TrueTypeMetrics metrics;
};

// Length limits of the fields that carry a length byte: longer text is cut.
constexpr size_t MaxFontResourceFaceName = 255 - 8;
constexpr size_t MaxFontResourceFamilyName = FontNameLimit;

// Empty when the font file's path is too long for the 16-bit resource
// offsets (about a megabyte).
std::vector<unsigned char> layOutFontResource(const FontResourceContents& contents);
