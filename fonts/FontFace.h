#pragma once
// The face that a TrueType file holds, as GDI selects it: its Windows
// family name, its weight and whether it is italic.

#include <optional>
#include <string>

#include "fonts/TrueTypeTables.h"

struct FontFace {
    std::wstring family;  // at most 31 characters, as a font name holds
    int weight = 400;
    bool italic = false;
};

// Nothing when the tables have no Windows family name.
std::optional<FontFace> readFontFace(const FontTables& tables);
