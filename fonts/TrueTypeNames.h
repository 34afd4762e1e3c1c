#pragma once
// The names a TrueType file gives itself, read from its 'name' table.
// Standard library only, so that it builds natively for fuzzing as well as
// for Windows; it survives any input and answers nothing for bytes that are
// not a TrueType font with a usable name.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "fonts/ByteView.h"

struct TrueTypeNames {
    // The full name (name ID 4); without one, the family name followed by
    // the style name unless that style is "Regular".
    std::u16string faceName;
    // The family name (name ID 1), or the face name when there is none.
    std::u16string familyName;
};

// From the bytes of a 'name' table.
std::optional<TrueTypeNames> readNameTable(ByteView nameTable);

// The family name (name ID 1) from the Windows records only, US English
// first: the name under which Windows lists the font.
std::optional<std::u16string> readWindowsFamilyName(ByteView nameTable);

// The string of any name ID (version, designer, licence...), by the same
// preference as the face name: Windows US English first, then any Windows
// record, then Macintosh Roman English; nothing when no record has one.
std::optional<std::u16string> readNameById(ByteView nameTable, uint16_t nameId);

// From the bytes of a whole font file.
std::optional<TrueTypeNames> readTrueTypeNames(std::span<const unsigned char> font);
