#pragma once
// The tables of a TrueType file on disk that the resource builder needs,
// read one by one: a font of several megabytes costs a handful of small
// reads instead of one large one.

#include <optional>
#include <string>
#include <vector>

#include "fonts/TrueTypeTables.h"

class FontFileTables {
public:
    // Nothing when the file cannot be read or is not a TrueType font.
    static std::optional<FontFileTables> load(const std::wstring& path);

    // Views into this object, valid while it lives.
    FontTables tables() const;

private:
    using Bytes = std::optional<std::vector<unsigned char>>;
    Bytes name_, head_, hhea_, os2_, post_;
};
