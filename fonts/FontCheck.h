#pragma once
// One structural check of a TrueType file, from its bytes, before the file
// reaches the renderer (a private load draws it) or the game (a copy
// installs it). A damaged font that the name readers still accept can
// corrupt the renderer's heap or break the game. Standard library only.

#include <cstdint>

#include "fonts/TrueTypeTables.h"

enum class FontFault {
    None,
    TableOutsideFile,   // a table record points past the end of the file
    TableMissing,       // a table every TrueType font needs is not there
    TableTooShort,      // shorter than its fixed part
    GlyphIndexTooShort, // 'loca' holds fewer entries than the glyph count needs
    GlyphDataTooShort,  // 'glyf' ends before the last glyph does
};

struct FontVerdict {
    FontFault fault = FontFault::None;
    uint32_t tag = 0;  // the table at fault
    explicit operator bool() const { return fault == FontFault::None; }
};

// Sound: the directory and the tables every TrueType font needs lie in the
// file and are long enough, the glyph index and outlines agree, and what
// the renderer assumes of the tables it reads holds. The game draws the
// fonts it is given with the same renderer, so a copy asks the same.
FontVerdict checkFontStructure(const FontTables& tables);
