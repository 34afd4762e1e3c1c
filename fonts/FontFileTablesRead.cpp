#include "fonts/FontFileTables.h"

#include <algorithm>
#include <cstdint>

namespace {
using OptionalBytes = std::optional<std::vector<unsigned char>>;

constexpr uint32_t PostBytesUsed = 16;
// Read at once from the start of the file: the table directory and, in
// most fonts, the small tables that follow it. A shorter file is read by
// its directory alone.
constexpr size_t LeadingBytes = 4096;

std::optional<std::vector<TableRecord>> readDirectory(const FontFileTables::ReadAt& readAt,
                                                      const OptionalBytes& leading) {
    auto inLeading = leading ? tableDirectorySize(ByteView(*leading)) : std::nullopt;
    if (inLeading && *inLeading <= leading->size()) return readTableDirectory(ByteView(*leading));
    auto header = readAt(0, 12);
    auto size = header ? tableDirectorySize(ByteView(*header)) : std::nullopt;
    auto directory = size ? readAt(0, *size) : std::nullopt;
    if (!directory) return std::nullopt;
    return readTableDirectory(ByteView(*directory));
}

std::optional<ByteView> view(const std::optional<std::vector<unsigned char>>& bytes) {
    if (!bytes) return std::nullopt;
    return ByteView(*bytes);
}
}  // namespace

std::optional<FontFileTables> FontFileTables::read(const ReadAt& readAt) {
    auto leading = readAt(0, LeadingBytes);
    auto directory = readDirectory(readAt, leading);
    if (!directory) return std::nullopt;
    // At most `limit` bytes from the table's start, from the leading bytes
    // when they hold them.
    auto table = [&](std::string_view tag, uint32_t limit = UINT32_MAX) -> Bytes {
        auto record = findTableRecord(*directory, tag);
        if (!record) return std::nullopt;
        uint32_t length = std::min(record->length, limit);
        if (leading && size_t{record->offset} + length <= leading->size())
            return std::vector<unsigned char>(leading->begin() + record->offset,
                                              leading->begin() + record->offset + length);
        return readAt(record->offset, length);
    };
    FontFileTables loaded;
    loaded.name_ = table("name");
    loaded.head_ = table("head");
    loaded.hhea_ = table("hhea");
    loaded.os2_ = table("OS/2");
    // Of 'post' only its header up to isFixedPitch is used; the glyph names
    // after it run to hundreds of kilobytes in large fonts.
    loaded.post_ = table("post", PostBytesUsed);
    return loaded;
}

FontTables FontFileTables::tables() const {
    return {view(name_), view(head_), view(hhea_), view(os2_), view(post_)};
}
