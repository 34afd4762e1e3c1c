#pragma once
// What a font resource file records about a TrueType font, read from the
// font's tables. Standard library only, so that the whole path from a
// font's bytes to the resource file's bytes also builds natively for
// fuzzing.

#include <functional>
#include <optional>
#include <string>

#include "fonts/FontResourceLayout.h"
#include "fonts/TrueTypeTables.h"

// Converts a name to the ANSI code page the resource file holds.
using ToCodePage = std::function<std::string(const std::u16string&)>;

// Nothing when the font has no name table with a usable name.
std::optional<FontResourceContents> describeFont(const FontTables& font, bool hidden, std::string fontFile,
                                                 const ToCodePage& toCodePage);
