#pragma once
// The tables of a TrueType file on disk that the resource builder needs,
// read one by one: a font of several megabytes costs a handful of small
// reads instead of one large one.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fonts/TrueTypeTables.h"

class FontFileTables {
public:
    // Exactly `length` bytes from `offset` of the file, or nothing.
    using ReadAt = std::function<std::optional<std::vector<unsigned char>>(unsigned long long offset,
                                                                           size_t length)>;

    // Nothing when the file cannot be read or is not a TrueType font.
    static std::optional<FontFileTables> load(const std::wstring& path);
    // The same over any source of bytes. Standard library only, so that it
    // also builds natively for fuzzing.
    static std::optional<FontFileTables> read(const ReadAt& readAt);

    // Views into this object, valid while it lives.
    FontTables tables() const;

private:
    using Bytes = std::optional<std::vector<unsigned char>>;
    Bytes name_, head_, hhea_, os2_, post_;
};
