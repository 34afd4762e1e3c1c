#include "fonts/RenamedFont.h"

#include <cstdint>

#include "fonts/TrueTypeTables.h"

namespace {
constexpr uint16_t WindowsPlatform = 3;
constexpr uint16_t UnicodeBmp = 1;
constexpr uint16_t UsEnglish = 0x0409;

void put16(std::vector<unsigned char>& out, uint32_t value) {
    out.push_back(static_cast<unsigned char>(value >> 8));
    out.push_back(static_cast<unsigned char>(value));
}

void put32At(std::vector<unsigned char>& out, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) out[at + i] = static_cast<unsigned char>(value >> (24 - 8 * i));
}

// A 'name' table of Windows US English records, in name ID order.
std::vector<unsigned char> nameTable(const std::vector<std::pair<uint16_t, std::u16string>>& names) {
    std::vector<unsigned char> table, strings;
    put16(table, 0);
    put16(table, static_cast<uint32_t>(names.size()));
    put16(table, static_cast<uint32_t>(6 + 12 * names.size()));
    for (const auto& [id, text] : names) {
        for (uint32_t field : {uint32_t{WindowsPlatform}, uint32_t{UnicodeBmp}, uint32_t{UsEnglish}, uint32_t{id}})
            put16(table, field);
        put16(table, static_cast<uint32_t>(text.size() * 2));
        put16(table, static_cast<uint32_t>(strings.size()));
        for (char16_t c : text) put16(strings, c);
    }
    table.insert(table.end(), strings.begin(), strings.end());
    return table;
}
}  // namespace

std::optional<std::vector<unsigned char>> renameFont(std::span<const unsigned char> font,
                                                     const std::u16string& family, const std::u16string& style) {
    ByteView bytes(font);
    auto directory = readTableDirectory(bytes);
    if (!directory) return std::nullopt;
    const uint32_t nameTag = tableTag("name");
    size_t record = 0;
    while (record < directory->size() && (*directory)[record].tag != nameTag) ++record;
    if (record == directory->size()) return std::nullopt;

    std::u16string postScript;
    for (char16_t c : family) if (c != u' ') postScript += c;
    std::vector<unsigned char> table =
        nameTable({{1, family}, {2, style}, {4, family + u" " + style}, {6, postScript}});
    std::vector<unsigned char> renamed(font.begin(), font.end());
    renamed.resize((renamed.size() + 3) & ~size_t{3});  // tables start on four bytes
    if (renamed.size() + table.size() > UINT32_MAX) return std::nullopt;
    size_t at = TableDirectoryHeaderSize + record * TableRecordSize;
    put32At(renamed, at + 8, static_cast<uint32_t>(renamed.size()));
    put32At(renamed, at + 12, static_cast<uint32_t>(table.size()));
    renamed.insert(renamed.end(), table.begin(), table.end());
    return renamed;
}
