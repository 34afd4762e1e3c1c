#include "fonts/FontFileTables.h"

namespace {
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
    auto table = [&](std::string_view tag) -> Bytes {
        auto record = findTableRecord(*directory, tag);
        return record ? readAt(record->offset, record->length) : std::nullopt;
    };
    FontFileTables loaded;
    loaded.name_ = table("name");
    loaded.head_ = table("head");
    loaded.hhea_ = table("hhea");
    loaded.os2_ = table("OS/2");
    loaded.post_ = table("post");
    return loaded;
}

FontTables FontFileTables::tables() const {
    return {view(name_), view(head_), view(hhea_), view(os2_), view(post_)};
}
