#pragma once
// The tables of a TrueType file on disk that the font services need, read
// piece by piece: a font of several megabytes costs a handful of small
// reads instead of one large one. One read serves a click's face name, its
// own face and the structural check alike.

#include <deque>
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
    // The same over any source of bytes of a file of fileSize bytes.
    // Standard library only, so that it also builds natively for fuzzing.
    static std::optional<FontFileTables> read(const ReadAt& readAt, uint64_t fileSize);

    FontFileTables(FontFileTables&&) = default;
    FontFileTables& operator=(FontFileTables&&) = default;
    FontFileTables(const FontFileTables&) = delete;
    FontFileTables& operator=(const FontFileTables&) = delete;

    // Views into this object, valid while it lives.
    const FontTables& tables() const { return tables_; }

private:
    FontFileTables() = default;

    // The bytes the views point into; a deque never moves what it holds.
    std::deque<std::vector<unsigned char>> parts_;
    FontTables tables_;
};
