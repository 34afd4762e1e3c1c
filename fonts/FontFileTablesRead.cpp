#include "fonts/FontFileTables.h"

#include <algorithm>

namespace {
// Read at once from the start of the file: the table directory and, in
// most fonts, the small tables that follow it. A shorter file is read by
// its directory alone.
constexpr size_t LeadingBytes = 4096;

std::optional<std::vector<TableRecord>> readDirectory(const FontFileTables::ReadAt& readAt,
                                                      const std::optional<ByteView>& leading) {
    auto inLeading = leading ? tableDirectorySize(*leading) : std::nullopt;
    if (inLeading && *inLeading <= leading->size()) return readTableDirectory(*leading);
    auto header = readAt(0, TableDirectoryHeaderSize);
    auto size = header ? tableDirectorySize(ByteView(*header)) : std::nullopt;
    auto directory = size ? readAt(0, *size) : std::nullopt;
    if (!directory) return std::nullopt;
    return readTableDirectory(ByteView(*directory));
}
}  // namespace

std::optional<FontFileTables> FontFileTables::read(const ReadAt& readAt, uint64_t fileSize) {
    FontFileTables loaded;
    auto keep = [&](std::optional<std::vector<unsigned char>> bytes) -> std::optional<ByteView> {
        if (!bytes) return std::nullopt;
        return ByteView(loaded.parts_.emplace_back(std::move(*bytes)));
    };
    auto leading = keep(readAt(0, static_cast<size_t>(std::min<uint64_t>(LeadingBytes, fileSize))));
    auto directory = readDirectory(readAt, leading);
    if (!directory) return std::nullopt;
    // From the leading bytes when they hold the part, else from the file.
    auto fetch = [&](const TableRecord& table, uint32_t from, uint32_t length) -> std::optional<ByteView> {
        uint64_t offset = uint64_t{table.offset} + from;
        if (leading) {
            if (auto inLeading = leading->slice(offset, length)) return inLeading;
        }
        if (offset > fileSize || length > fileSize - offset) return std::nullopt;
        return keep(readAt(offset, length));
    };
    loaded.tables_ = collectFontTables(std::move(*directory), fileSize, fetch);
    return loaded;
}
