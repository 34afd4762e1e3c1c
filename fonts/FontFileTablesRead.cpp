#include "fonts/FontFileTables.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr uint32_t PostBytesUsed = 16;

std::optional<std::vector<TableRecord>> readDirectory(const FontFileTables::ReadAt& readAt) {
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
    auto directory = readDirectory(readAt);
    if (!directory) return std::nullopt;
    // At most `limit` bytes from the table's start.
    auto table = [&](std::string_view tag, uint32_t limit = UINT32_MAX) -> Bytes {
        auto record = findTableRecord(*directory, tag);
        return record ? readAt(record->offset, std::min(record->length, limit)) : std::nullopt;
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
