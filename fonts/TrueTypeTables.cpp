#include "fonts/TrueTypeTables.h"

namespace {
constexpr uint32_t VersionOne = 0x00010000;
constexpr uint32_t VersionTrue = 0x74727565;  // 'true', older Apple fonts
constexpr size_t DirectoryHeaderSize = 12;
constexpr size_t TableRecordSize = 16;
}  // namespace

uint32_t tableTag(std::string_view tag) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(i < tag.size() ? tag[i] : ' ');
    return value;
}

bool isTrueTypeFont(ByteView font) {
    auto version = font.u32(0);
    return version && (*version == VersionOne || *version == VersionTrue);
}

std::optional<size_t> tableDirectorySize(ByteView start) {
    auto tableCount = start.u16(4);
    if (!isTrueTypeFont(start) || !tableCount) return std::nullopt;
    return DirectoryHeaderSize + size_t{*tableCount} * TableRecordSize;
}

std::optional<std::vector<TableRecord>> readTableDirectory(ByteView start) {
    auto size = tableDirectorySize(start);
    if (!size || *size > start.size()) return std::nullopt;
    std::vector<TableRecord> records;
    for (size_t at = DirectoryHeaderSize; at < *size; at += TableRecordSize)
        records.push_back({*start.u32(at), *start.u32(at + 8), *start.u32(at + 12)});
    return records;
}

std::optional<TableRecord> findTableRecord(const std::vector<TableRecord>& directory, std::string_view tag) {
    const uint32_t wanted = tableTag(tag);
    for (const TableRecord& record : directory)
        if (record.tag == wanted) return record;
    return std::nullopt;
}

FontTables findFontTables(ByteView font) {
    FontTables tables;
    auto directory = readTableDirectory(font);
    if (!directory) return tables;
    auto table = [&](std::string_view tag) -> std::optional<ByteView> {
        auto record = findTableRecord(*directory, tag);
        if (!record) return std::nullopt;
        return font.slice(record->offset, record->length);
    };
    tables.name = table("name");
    tables.head = table("head");
    tables.hhea = table("hhea");
    tables.os2 = table("OS/2");
    tables.post = table("post");
    return tables;
}
