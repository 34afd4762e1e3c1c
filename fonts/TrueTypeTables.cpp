#include "fonts/TrueTypeTables.h"

#include <algorithm>

namespace {
constexpr uint32_t VersionOne = 0x00010000;
constexpr uint32_t VersionTrue = 0x74727565;  // 'true', older Apple fonts
constexpr uint32_t PostBytesUsed = 16;
constexpr uint32_t WholeTable = UINT32_MAX;

// Where the last glyph ends, as an entry of 'loca': its position and size,
// from the glyph count ('maxp') and the entries' format ('head'). A 'loca'
// one entry short, as some old fonts have it, gives its last entry.
std::optional<std::pair<uint32_t, uint32_t>> lastLocaEntry(const FontTables& tables) {
    auto glyphs = tables.maxp ? tables.maxp->u16(4) : std::nullopt;
    auto format = tables.head ? tables.head->u16(50) : std::nullopt;
    auto loca = findTableRecord(tables.directory, "loca");
    if (!glyphs || !format || !loca) return std::nullopt;
    uint32_t entrySize = *format == 0 ? 2 : 4;
    uint32_t entries = loca->length / entrySize;
    if (entries == 0) return std::nullopt;
    return std::pair{std::min<uint32_t>(*glyphs, entries - 1) * entrySize, entrySize};
}
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
    return TableDirectoryHeaderSize + size_t{*tableCount} * TableRecordSize;
}

std::optional<std::vector<TableRecord>> readTableDirectory(ByteView start) {
    auto size = tableDirectorySize(start);
    auto records = size ? start.slice(TableDirectoryHeaderSize, *size - TableDirectoryHeaderSize) : std::nullopt;
    if (!records) return std::nullopt;
    return readTableRecords(*records);
}

std::vector<TableRecord> readTableRecords(ByteView records) {
    std::vector<TableRecord> directory;
    for (size_t at = 0; at + TableRecordSize <= records.size(); at += TableRecordSize)
        directory.push_back({*records.u32(at), *records.u32(at + 8), *records.u32(at + 12)});
    return directory;
}

std::optional<TableRecord> findTableRecord(const std::vector<TableRecord>& directory, std::string_view tag) {
    const uint32_t wanted = tableTag(tag);
    for (const TableRecord& record : directory)
        if (record.tag == wanted) return record;
    return std::nullopt;
}

FontTables collectFontTables(std::vector<TableRecord> directory, uint64_t fileSize, const FetchTablePart& fetch) {
    FontTables tables;
    tables.directory = std::move(directory);
    tables.fileSize = fileSize;
    auto part = [&](std::string_view tag, uint32_t from, uint32_t length) -> std::optional<ByteView> {
        auto record = findTableRecord(tables.directory, tag);
        if (!record || from > record->length) return std::nullopt;
        return fetch(*record, from, std::min(length, record->length - from));
    };
    tables.name = part("name", 0, WholeTable);
    tables.head = part("head", 0, WholeTable);
    tables.hhea = part("hhea", 0, WholeTable);
    tables.os2 = part("OS/2", 0, WholeTable);
    tables.maxp = part("maxp", 0, WholeTable);
    tables.post = part("post", 0, PostBytesUsed);
    if (auto entry = lastLocaEntry(tables)) {
        auto end = part("loca", entry->first, entry->second);
        if (end && end->size() == entry->second) tables.locaEnd = end;
    }
    return tables;
}

std::optional<FontTables> findFontTables(ByteView font) {
    auto directory = readTableDirectory(font);
    if (!directory) return std::nullopt;
    return collectFontTables(std::move(*directory), font.size(),
                             [&](const TableRecord& table, uint32_t from, uint32_t length) {
                                 return font.slice(uint64_t{table.offset} + from, length);
                             });
}
